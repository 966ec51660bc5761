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
    void messageBoxWrapsLongText();
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

void TestDialogs::messageBoxWrapsLongText()
{
    const QString text = QString("This text is much longer than one line of the box can hold. ").repeated(3);
    ORVMessageBox box(text, 300, 160, false, 0, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *label = box.findChild<QtMaterialLabel *>("labelText");
    QVERIFY(label->wordWrap());
    QCOMPARE(box.size(), QSize(300, 160));
    QVERIFY(label->width() <= 300);
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
