// The message box and the unlock dialog, run modally as their callers run them.

#include "shell/orvmessagebox.h"
#include "shell/unlockdlg.h"

#include "core/globals.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "tests/support/testenv.h"

#include <QLayout>
#include <QTest>
#include <QTimer>

#include <functional>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void messageBoxLooksLikeADialogPanel();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void messageBoxWrapsLongText_data();
    void messageBoxWrapsLongText();
    void messageBoxCentresItsText_data();
    void messageBoxCentresItsText();
    void messageBoxHookAnswersWithoutShowing();

    void unlockDialogLayout();
    void unlockRefusals_data();
    void unlockRefusals();
    void unlockWithTheRightPassword();
    void unlockClosedGivesRejected_data();
    void unlockClosedGivesRejected();

private:
    QTemporaryDir home;
};

// Runs action once the dialog's event loop is running, then returns exec()'s result.
template <class Dialog> static int runWith(Dialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        QVERIFY(dialog.isVisible());
        action();
        // Leave a dialog that is still open after the action so that the test cannot hang.
        QTimer::singleShot(2000, &dialog, [&dialog] { dialog.done(-1); });
    });
    return dialog.exec();
}

void TestDialogs::initTestCase()
{
    testenv::useFreshHome(home);
}

void TestDialogs::messageBoxLooksLikeADialogPanel()
{
    ORVMessageBox box("The software has been opened!", 300, 160, false, 0, nullptr);
    QCOMPARE(box.size(), QSize(300, 160));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(box.windowFlags() & Qt::Window);
    QVERIFY(box.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(box.windowTitle(), QString("Info"));
    QCOMPARE(box.objectName(), QString("ORVMessageBox"));
    QCOMPARE(box.text(), QString("The software has been opened!"));
    QVERIFY(!box.checked);

    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    box.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner
    QCOMPARE(QColor(image.pixel(150, 150)), QColor("#1F2933"));
}

void TestDialogs::messageBoxButtons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hasCancel");
    QTest::addColumn<bool>("okOnTheRight");
    QTest::newRow("ok") << 0 << false << true;
    QTest::newRow("ok cancel") << 1 << true << false;
    QTest::newRow("cancel ok") << 2 << true << true;
    QTest::newRow("unknown type") << 7 << false << true;
}

void TestDialogs::messageBoxButtons()
{
    QFETCH(int, type);
    QFETCH(bool, hasCancel);
    QFETCH(bool, okOnTheRight);
    ORVMessageBox box("Delete?", 450, 160, false, type, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *ok = box.findChild<QtMaterialFlatButton *>("pushButtonOk");
    auto *cancel = box.findChild<QtMaterialFlatButton *>("pushButtonCancel");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QString("Ok"));
    QCOMPARE(cancel != nullptr, hasCancel);
    if (!hasCancel) {
        QCOMPARE(ok->width(), 100);
        QVERIFY(ok->geometry().right() > box.width() - 40); // aligned right
    } else {
        QCOMPARE(cancel->text(), QString("Cancel"));
        QCOMPARE(ok->x() > cancel->x(), okOnTheRight);
    }
}

void TestDialogs::messageBoxAnswers_data()
{
    QTest::addColumn<bool>("showCheckBox");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("checked");
    QTest::newRow("ok") << false << false << "pushButtonOk" << int(QDialog::Accepted) << false;
    QTest::newRow("ok ticked") << true << true << "pushButtonOk" << int(QDialog::Accepted) << true;
    QTest::newRow("ok not ticked") << true << false << "pushButtonOk" << int(QDialog::Accepted) << false;
    QTest::newRow("cancel ticked") << true << true << "pushButtonCancel" << int(QDialog::Rejected) << false;
    QTest::newRow("close icon ticked") << true << true << "pushButtonClose" << int(QDialog::Rejected) << false;
}

void TestDialogs::messageBoxAnswers()
{
    QFETCH(bool, showCheckBox);
    QFETCH(bool, tick);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, checked);
    ORVMessageBox box("Save to the device too?", 500, 160, showCheckBox, 2, nullptr);
    const int answer = runWith(box, [&] {
        auto *checkBox = box.findChild<QtMaterialCheckBox *>("checkBox");
        QCOMPARE(checkBox->isVisible(), showCheckBox);
        if (tick)
            checkBox->setChecked(true);
        auto *target = box.findChild<QAbstractButton *>(button);
        QVERIFY(target);
        target->click();
    });
    QCOMPARE(answer, result);
    QCOMPARE(box.checked, checked);
}

void TestDialogs::messageBoxWrapsLongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("showCheckBox");
    QTest::addColumn<int>("lines");
    QTest::newRow("start-up guard") << "The software has been opened!" << 300 << false << 2;
    QTest::newRow("project switch") << "Illegally formatted databases,the database will be formatted!" << 450 << false
                                    << 2;
    QTest::newRow("beside the check box")
        << "The settings are written to the gateway as well when ticked." << 500 << true << 2;
    QTest::newRow("two full lines")
        << "Deleting this room also deletes its lights, air conditioners, floor heatings and moods." << 500 << false
        << 2;
    QTest::newRow("one line") << "Delete this room?" << 450 << false << 1;
}

// The number of lines the label's text takes at the label's width, and the height they need.
static QSize wrappedText(const QLabel &label)
{
    const QRect room = label.contentsRect();
    const QRect needed = label.fontMetrics().boundingRect(room, Qt::TextWordWrap | label.alignment(), label.text());
    return QSize(needed.width(), needed.height());
}

void TestDialogs::messageBoxWrapsLongText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, showCheckBox);
    QFETCH(int, lines);
    ORVMessageBox box(text, width, 160, showCheckBox, 2, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), QSize(width, 160));
    auto *label = box.findChild<QtMaterialLabel *>("labelText");
    QVERIFY(label->wordWrap());
    const QSize needed = wrappedText(*label);
    // Every line is there: the text needs no more than the label has, which lies inside the box and above
    // the buttons.
    const QFontMetrics metrics = label->fontMetrics();
    QCOMPARE((needed.height() + metrics.leading()) / metrics.lineSpacing(), lines);
    QVERIFY2(needed.height() <= label->contentsRect().height(),
             qPrintable(QString("%1 > %2").arg(needed.height()).arg(label->contentsRect().height())));
    QVERIFY(needed.width() <= label->contentsRect().width());
    QVERIFY(box.rect().contains(label->geometry()));
    QVERIFY(label->geometry().bottom() < box.findChild<QtMaterialFlatButton *>("pushButtonOk")->y());
}

// The left and right edge of the light text within area.
static QPair<int, int> textInk(ORVMessageBox &box, const QRect &area)
{
    const QImage image = box.grab().toImage();
    int left = image.width();
    int right = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) > 160) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return {left, right};
}

void TestDialogs::messageBoxCentresItsText_data()
{
    QTest::addColumn<bool>("showCheckBox");
    QTest::newRow("plain") << false;
    QTest::newRow("with check box") << true;
}

void TestDialogs::messageBoxCentresItsText()
{
    QFETCH(bool, showCheckBox);
    ORVMessageBox box("Save the settings?", 500, 160, showCheckBox, 2, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *label = box.findChild<QtMaterialLabel *>("labelText");
    auto *checkBox = box.findChild<QtMaterialCheckBox *>("checkBox");
    // The space beside the check box, or the whole width of the box's content without it.
    const int right = box.width() - box.layout()->contentsMargins().right();
    // (The check box's own size: a check box widget stretched wide would show its box at its left end all the same.)
    const int left =
        showCheckBox ? checkBox->x() + checkBox->sizeHint().width() : box.layout()->contentsMargins().left();
    if (showCheckBox)
        QVERIFY(checkBox->x() < 20);
    QVERIFY(label->x() >= left);
    QVERIFY(label->geometry().right() < right);

    // The one line of text, across the space beside the check box.
    const int middle = label->geometry().center().y();
    const int half = label->fontMetrics().height() / 2;
    const QPair<int, int> ink = textInk(box, QRect(QPoint(left, middle - half), QPoint(right - 1, middle + half)));
    QVERIFY(ink.second > ink.first);
    const int inkCentre = (ink.first + ink.second) / 2;
    QVERIFY2(qAbs(inkCentre - (left + right) / 2) <= 3,
             qPrintable(QString("text %1-%2, space %3-%4").arg(ink.first).arg(ink.second).arg(left).arg(right)));
}

void TestDialogs::messageBoxHookAnswersWithoutShowing()
{
    QStringList seen;
    bool shown = false;
    ORVMessageBox::setExecHook([&](ORVMessageBox &box) {
        seen << box.text();
        shown = shown || box.isVisible();
        box.findChild<QtMaterialCheckBox *>("checkBox")->setChecked(true);
        box.findChild<QAbstractButton *>("pushButtonOk")->click();
        return box.result();
    });
    ORVMessageBox box("Hooked", 450, 160, true, 2, nullptr);
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(box.checked);
    QCOMPARE(seen, QStringList({"Hooked"}));
    QVERIFY(!shown);
    ORVMessageBox::setExecHook(ORVMessageBox::ExecHook());
}

void TestDialogs::unlockDialogLayout()
{
    UnlockDlg dialog(nullptr);
    QCOMPARE(dialog.objectName(), QString("UnlockDlg"));
    QCOMPARE(dialog.height(), 210);
    QCOMPARE(dialog.width(), 400);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.passwordField()->placeholderText(), QString("Unlock password"));
    QCOMPARE(dialog.findChild<QtMaterialLabel *>("labelPrompt")->text(), QString("Please input the unlock password"));
    QCOMPARE(dialog.findChild<QtMaterialFlatButton *>("pushButtonOk")->text(), QString("Confirm"));
    QCOMPARE(dialog.findChild<QtMaterialFlatButton *>("pushButtonCancel")->text(), QString("Cancel"));
}

void TestDialogs::unlockRefusals_data()
{
    QTest::addColumn<QString>("lockPassword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("toast");
    QTest::newRow("empty entry") << "1234"
                                 << ""
                                 << "Please input the unlock password!";
    QTest::newRow("letter case") << "Secret"
                                 << "secret"
                                 << "Password error!";
    QTest::newRow("trailing space") << "1234"
                                    << "1234 "
                                    << "Password error!";
    QTest::newRow("leading space") << "1234"
                                   << " 1234"
                                   << "Password error!";
    QTest::newRow("empty lock password") << ""
                                         << ""
                                         << "Please input the unlock password!";
}

void TestDialogs::unlockRefusals()
{
    QFETCH(QString, lockPassword);
    QFETCH(QString, typed);
    QFETCH(QString, toast);
    gLockPassword = lockPassword;
    UnlockDlg dialog(nullptr);
    bool stillOpen = false;
    const int answer = runWith(dialog, [&] {
        dialog.passwordField()->setText(typed);
        dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
        stillOpen = dialog.isVisible();
        QCOMPARE(dialog.toast()->messages(), QStringList({toast}));
        QCOMPARE(dialog.passwordField()->text(), typed); // the entry stays for a correction
        dialog.findChild<QAbstractButton *>("pushButtonCancel")->click();
    });
    QVERIFY(stillOpen);
    QCOMPARE(answer, int(QDialog::Rejected));
}

void TestDialogs::unlockWithTheRightPassword()
{
    gLockPassword = "Secret 1";
    UnlockDlg dialog(nullptr);
    const int answer = runWith(dialog, [&] {
        dialog.passwordField()->setText("wrong");
        dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
        dialog.passwordField()->setText("Secret 1");
        dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
    });
    QCOMPARE(answer, int(QDialog::Accepted));
}

void TestDialogs::unlockClosedGivesRejected_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("cancel") << "pushButtonCancel";
    QTest::newRow("close icon") << "pushButtonClose";
}

void TestDialogs::unlockClosedGivesRejected()
{
    QFETCH(QString, button);
    gLockPassword = "1234";
    UnlockDlg dialog(nullptr);
    const int answer = runWith(dialog, [&] {
        dialog.passwordField()->setText("1234");
        dialog.findChild<QAbstractButton *>(button)->click();
    });
    QCOMPARE(answer, int(QDialog::Rejected));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
