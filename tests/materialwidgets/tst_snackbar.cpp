// The snackbar: its queue, the order and timing of what it shows, and where it paints the box.

#include "materialwidgets/qtmaterialsnackbar.h"
#include "materialwidgets/qtmaterialsnackbarstatemachine.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QState>
#include <QtTest>

namespace {

QtMaterialSnackbarStateMachine *machineOf(QtMaterialSnackbar *snackbar)
{
    return snackbar->findChild<QtMaterialSnackbarStateMachine *>();
}

QState *stateOf(QtMaterialSnackbar *snackbar, const char *name)
{
    return machineOf(snackbar)->findChild<QState *>(QLatin1String(name));
}

bool inState(QtMaterialSnackbar *snackbar, const char *name)
{
    return machineOf(snackbar)->configuration().contains(stateOf(snackbar, name));
}

// Records, in order, every state entered and the text on show when "shown" is entered.
class Recorder : public QObject
{
public:
    explicit Recorder(QtMaterialSnackbar *watched) : snackbar(watched)
    {
        for (const char *name : {"hidden", "shown", "hiding"}) {
            QState *state = stateOf(snackbar, name);
            connect(state, &QState::entered, this, [this, name] {
                entered << QString::fromLatin1(name);
                if (qstrcmp(name, "shown") == 0) {
                    shownTexts << this->snackbar->messages().value(0);
                    shownAt << clock.elapsed();
                } else if (qstrcmp(name, "hiding") == 0) {
                    hidingAt << clock.elapsed();
                }
            });
        }
        clock.start();
    }

    QtMaterialSnackbar *snackbar;
    QStringList entered;
    QStringList shownTexts;
    QList<qint64> shownAt;
    QList<qint64> hidingAt;
    QElapsedTimer clock;
};

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// First and last rows whose pixel in column x is painted.
QPair<int, int> paintedRows(const QImage &image, int x)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) > 0) {
            if (first < 0) {
                first = y;
            }
            last = y;
        }
    }
    return {first, last};
}

QPair<int, int> paintedColumns(const QImage &image, int y)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) > 0) {
            if (first < 0) {
                first = x;
            }
            last = x;
        }
    }
    return {first, last};
}

} // namespace

class TestSnackbar : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void colors();
    void coversParent();
    void oneMessageLifecycle();
    void twoMessagesInOrder();
    void instantMessageJumpsTheQueue();
    void instantMessageOnEmptyQueue();
    void autoHideChangeAppliesToNextText();
    void clickThroughByDefault();
    void clickToDismiss();
    void emptyQueuePaintsNothing();
    void bottomPlacementGeometry();
    void centredPlacementGeometry();
    void longTextWraps();
};

void TestSnackbar::defaults()
{
    QWidget parent;
    QtMaterialSnackbar snackbar(&parent);
    QCOMPARE(snackbar.autoHideDuration(), 500);
    QCOMPARE(snackbar.boxWidth(), 300);
    QVERIFY(snackbar.centredPlacement());
    QVERIFY(!snackbar.clickToDismissMode());
    QCOMPARE(snackbar.backgroundOpacity(), 0.9);
    QVERIFY(snackbar.useThemeColors());
    QVERIFY(snackbar.messages().isEmpty());
    QVERIFY(snackbar.testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(snackbar.font().pointSize(), QtMaterialStyle::instance().themeFont(8).pointSize());
    QCOMPARE(snackbar.fontSize(), 16.0);
    // The initial state holds before the constructor returns.
    QVERIFY(machineOf(&snackbar)->isRunning());
    QVERIFY(inState(&snackbar, "hidden"));
    QCOMPARE(machineOf(&snackbar)->offset(), 1.0);

    snackbar.setFontSize(11.5);
    QCOMPARE(snackbar.fontSize(), 11.5);
}

void TestSnackbar::colors()
{
    QtMaterialSnackbar snackbar;
    QCOMPARE(snackbar.backgroundColor().name(), QStringLiteral("#212121"));
    QCOMPARE(snackbar.textColor().name(), QStringLiteral("#ffffff"));
    snackbar.setTextColor(Qt::yellow);
    QVERIFY(!snackbar.useThemeColors());
    QCOMPARE(snackbar.textColor(), QColor(Qt::yellow));
    // The background was never set: the theme colour still answers.
    QCOMPARE(snackbar.backgroundColor().name(), QStringLiteral("#212121"));
    snackbar.setBackgroundColor(Qt::darkCyan);
    QCOMPARE(snackbar.backgroundColor(), QColor(Qt::darkCyan));
    snackbar.setUseThemeColors(true);
    QCOMPARE(snackbar.backgroundColor().name(), QStringLiteral("#212121"));
    QCOMPARE(snackbar.textColor().name(), QStringLiteral("#ffffff"));
}

void TestSnackbar::coversParent()
{
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->show();
    parent.resize(500, 350);
    QTRY_COMPARE(snackbar->geometry(), QRect(0, 0, 500, 350));
}

void TestSnackbar::oneMessageLifecycle()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setAutoHideDuration(100);
    Recorder recorder(snackbar);
    QSignalSpy hidden(stateOf(snackbar, "hidden"), &QState::entered);

    snackbar->addMessage(QStringLiteral("Saved"));
    QCOMPARE(snackbar->messages(), QStringList{QStringLiteral("Saved")});
    QVERIFY(hidden.wait(3000));
    QCOMPARE(recorder.entered, (QStringList{"shown", "hiding", "hidden"}));
    QCOMPARE(recorder.shownTexts, QStringList{QStringLiteral("Saved")});
    QVERIFY(snackbar->messages().isEmpty());
    QCOMPARE(machineOf(snackbar)->offset(), 1.0);
    // Slide in, stay, slide out.
    QVERIFY2(recorder.clock.elapsed() >= 300 + 100 + 300 - 20, qPrintable(QString::number(recorder.clock.elapsed())));
}

void TestSnackbar::twoMessagesInOrder()
{
    QWidget parent;
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setAutoHideDuration(50);
    Recorder recorder(snackbar);
    QSignalSpy hidden(stateOf(snackbar, "hidden"), &QState::entered);

    snackbar->addMessage(QStringLiteral("first"));
    snackbar->addMessage(QStringLiteral("second"));
    QVERIFY(hidden.wait(5000));
    // The second text slides in from the hiding state without passing through hidden.
    QCOMPARE(recorder.entered, (QStringList{"shown", "hiding", "shown", "hiding", "hidden"}));
    QCOMPARE(recorder.shownTexts, (QStringList{"first", "second"}));
    QVERIFY(snackbar->messages().isEmpty());
}

void TestSnackbar::instantMessageJumpsTheQueue()
{
    QWidget parent;
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setAutoHideDuration(60000);
    Recorder recorder(snackbar);
    QSignalSpy shown(stateOf(snackbar, "shown"), &QState::propertiesAssigned);

    snackbar->addMessage(QStringLiteral("current"));
    snackbar->addMessage(QStringLiteral("queued"));
    QVERIFY(shown.wait(3000));
    QCOMPARE(snackbar->messages(), (QStringList{"current", "queued"}));

    snackbar->addInstantMessage(QStringLiteral("urgent"));
    QCOMPARE(snackbar->messages(), (QStringList{"current", "urgent", "queued"}));
    // The current text leaves at once although its display time is a minute.
    QTRY_COMPARE_WITH_TIMEOUT(recorder.shownTexts, (QStringList{"current", "urgent"}), 3000);
    QCOMPARE(snackbar->messages(), (QStringList{"urgent", "queued"}));
}

void TestSnackbar::instantMessageOnEmptyQueue()
{
    QWidget parent;
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setAutoHideDuration(50);
    Recorder recorder(snackbar);
    QSignalSpy hidden(stateOf(snackbar, "hidden"), &QState::entered);
    snackbar->addInstantMessage(QStringLiteral("only"));
    QCOMPARE(snackbar->messages(), QStringList{QStringLiteral("only")});
    QVERIFY(hidden.wait(3000));
    QCOMPARE(recorder.entered, (QStringList{"shown", "hiding", "hidden"}));
    QCOMPARE(recorder.shownTexts, QStringList{QStringLiteral("only")});
}

void TestSnackbar::autoHideChangeAppliesToNextText()
{
    QWidget parent;
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setAutoHideDuration(50);
    Recorder recorder(snackbar);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    QSignalSpy hidden(stateOf(snackbar, "hidden"), &QState::entered);

    snackbar->addMessage(QStringLiteral("a"));
    snackbar->addMessage(QStringLiteral("b"));
    QVERIFY(shownAssigned.wait(3000));
    QElapsedTimer firstShown;
    firstShown.start();
    snackbar->setAutoHideDuration(600);
    QSignalSpy hiding(stateOf(snackbar, "hiding"), &QState::entered);
    QVERIFY(hiding.wait(3000));
    QVERIFY2(firstShown.elapsed() < 500, qPrintable(QString::number(firstShown.elapsed())));

    QVERIFY(shownAssigned.wait(3000));
    QElapsedTimer secondShown;
    secondShown.start();
    QVERIFY(hiding.wait(3000));
    // Coarse timers may fire up to 5 % early.
    QVERIFY2(secondShown.elapsed() >= 540, qPrintable(QString::number(secondShown.elapsed())));
    QVERIFY(hidden.wait(3000));
}

void TestSnackbar::clickThroughByDefault()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *button = new QPushButton(QStringLiteral("under"), &parent);
    button->setGeometry(150, 130, 100, 40);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    snackbar->setAutoHideDuration(60000);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    snackbar->addMessage(QStringLiteral("over the button"));
    QVERIFY(shownAssigned.wait(3000));
    QCOMPARE(parent.childAt(200, 150), button);
    QVERIFY(snackbar->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestSnackbar::clickToDismiss()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    snackbar->setClickToDismissMode(true);
    snackbar->setAutoHideDuration(60000);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    QSignalSpy hiding(stateOf(snackbar, "hiding"), &QState::entered);
    snackbar->addMessage(QStringLiteral("click me"));
    QVERIFY(shownAssigned.wait(3000));
    QVERIFY(!snackbar->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(parent.childAt(200, 150), snackbar);
    QTest::mouseClick(snackbar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    QVERIFY(hiding.wait(1000));
    QVERIFY(snackbar->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestSnackbar::emptyQueuePaintsNothing()
{
    QWidget parent;
    parent.resize(200, 100);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setGeometry(0, 0, 200, 100);
    QVERIFY(QMetaObject::invokeMethod(snackbar, "dequeue"));
    QVERIFY(snackbar->messages().isEmpty());
    const QImage image = renderOf(snackbar);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }
}

void TestSnackbar::bottomPlacementGeometry()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setGeometry(0, 0, 400, 300);
    snackbar->setCentredPlacement(false);
    snackbar->setAutoHideDuration(60000);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    snackbar->addMessage(QStringLiteral("Saved"));
    QVERIFY(shownAssigned.wait(3000));
    QCOMPARE(machineOf(snackbar)->offset(), 0.0);

    const QImage image = renderOf(snackbar);
    // 320 x 70 box: from H - 70 down past the bottom edge, horizontally centred.
    const QPair<int, int> rows = paintedRows(image, 200);
    QCOMPARE(rows.first, 300 - 70);
    QCOMPARE(rows.second, 299);
    const QPair<int, int> columns = paintedColumns(image, 280);
    QCOMPARE(columns.first, 40);
    QCOMPARE(columns.second, 359);
    const QColor fill = QColor::fromRgba(image.pixel(45, 285));
    QVERIFY(qAbs(fill.alphaF() - 0.9) < 0.02);
    QCOMPARE(fill.rgb() & 0xffffff, QColor("#212121").rgb() & 0xffffff);

    // Slid out: nothing of the box is inside the widget.
    machineOf(snackbar)->setOffset(1);
    const QImage out = renderOf(snackbar);
    QCOMPARE(paintedRows(out, 200).first, -1);
}

void TestSnackbar::centredPlacementGeometry()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setGeometry(0, 0, 400, 300);
    snackbar->setAutoHideDuration(60000);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    snackbar->addMessage(QStringLiteral("Saved"));
    QVERIFY(shownAssigned.wait(3000));

    QPair<int, int> rows = paintedRows(renderOf(snackbar), 200);
    QCOMPARE(rows.first, 150 - 50);
    QCOMPARE(rows.second, 150 - 50 + 72);

    machineOf(snackbar)->setOffset(1);
    rows = paintedRows(renderOf(snackbar), 200);
    QCOMPARE(rows.first, 150 + 20);
}

void TestSnackbar::longTextWraps()
{
    QWidget parent;
    parent.resize(600, 400);
    auto *snackbar = new QtMaterialSnackbar(&parent);
    snackbar->setGeometry(0, 0, 600, 400);
    snackbar->setAutoHideDuration(60000);
    QSignalSpy shownAssigned(stateOf(snackbar, "shown"), &QState::propertiesAssigned);
    snackbar->addMessage(QStringLiteral("short"));
    QVERIFY(shownAssigned.wait(3000));
    machineOf(snackbar)->setOffset(1);
    const QImage one = renderOf(snackbar);
    snackbar->addInstantMessage(QStringLiteral("This status text is far too long to fit on one line of the box"));
    QVERIFY(shownAssigned.wait(3000));
    machineOf(snackbar)->setOffset(1);
    const QImage wrapped = renderOf(snackbar);

    // At offset 1 the box hangs from a fixed top edge, so extra lines make it grow downward only.
    const QPair<int, int> oneRows = paintedRows(one, 300);
    const QPair<int, int> wrappedRows = paintedRows(wrapped, 300);
    QCOMPARE(wrappedRows.first, oneRows.first);
    const int lineHeight = QFontMetrics(snackbar->font()).height();
    QVERIFY2(wrappedRows.second - oneRows.second >= lineHeight,
             qPrintable(QStringLiteral("%1 %2").arg(wrappedRows.second).arg(oneRows.second)));
    // Still 320 wide and centred.
    const int y = oneRows.first + 5;
    QCOMPARE(paintedColumns(wrapped, y), paintedColumns(one, y));
    QCOMPARE(paintedColumns(one, y), qMakePair(140, 459));
}

QTEST_MAIN(TestSnackbar)
#include "tst_snackbar.moc"
