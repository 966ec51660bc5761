// The station's application style: a menu bar made and shown under it reads no picture while its extension button
// stays hidden; the extension icon it hands out draws as the platform style's own, and every other standard icon
// is the platform style's.

#include "shell/stationstyle.h"
#include "tests/support/imageplugins.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

class TestStationStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // First: it checks what the process has loaded, before any other test reads a picture.
    void menuBarReadsNoPictureWhileItFits();
    void extensionIconIsThePlatformOne_data();
    void extensionIconIsThePlatformOne();
    void otherIconsPassThrough();

private:
    QStyle *platformStyle() const { return static_cast<QProxyStyle *>(QApplication::style())->baseStyle(); }
};

void TestStationStyle::initTestCase()
{
    QApplication::setStyle(new StationStyle);
    QVERIFY(qobject_cast<StationStyle *>(QApplication::style()));
}

void TestStationStyle::menuBarReadsNoPictureWhileItFits()
{
    QVERIFY(QFile::exists(imageplugins::file("gif")));
    QVERIFY(!imageplugins::loaded("gif"));

    QMainWindow window;
    window.menuBar()->addAction("File");
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *extension = window.menuBar()->findChild<QToolButton *>("qt_menubar_ext_button");
    QVERIFY(extension);
    QVERIFY(!extension->isVisible());
    QVERIFY(!extension->icon().isNull());
    QVERIFY(!imageplugins::loaded("gif"));
    QVERIFY(!imageplugins::loaded("ico"));

    // Drawn, the icon is read, as the platform style reads it.
    QVERIFY(!extension->icon().pixmap(16, 16).isNull());
    QVERIFY(imageplugins::loaded("gif"));
}

void TestStationStyle::extensionIconIsThePlatformOne_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

void TestStationStyle::extensionIconIsThePlatformOne()
{
    QFETCH(int, which);
    const auto pixmap = QStyle::StandardPixmap(which);
    const QIcon ours = QApplication::style()->standardIcon(pixmap);
    const QIcon theirs = platformStyle()->standardIcon(pixmap);
    QVERIFY(!theirs.isNull());
    QCOMPARE(ours.availableSizes(), theirs.availableSizes());
    for (const int side : {8, 16, 32}) {
        QCOMPARE(ours.actualSize(QSize(side, side)), theirs.actualSize(QSize(side, side)));
        QCOMPARE(ours.pixmap(side, side).toImage(), theirs.pixmap(side, side).toImage());
        QCOMPARE(ours.pixmap(side, side, QIcon::Disabled).toImage(),
                 theirs.pixmap(side, side, QIcon::Disabled).toImage());
    }
    // A copy is the same icon.
    const QIcon copy = ours;
    QCOMPARE(copy.pixmap(16, 16).toImage(), theirs.pixmap(16, 16).toImage());
}

void TestStationStyle::otherIconsPassThrough()
{
    for (const QStyle::StandardPixmap pixmap :
         {QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOkButton, QStyle::SP_ArrowUp}) {
        const QIcon ours = QApplication::style()->standardIcon(pixmap);
        const QIcon theirs = platformStyle()->standardIcon(pixmap);
        QCOMPARE(ours.isNull(), theirs.isNull());
        QCOMPARE(ours.pixmap(24, 24).toImage(), theirs.pixmap(24, 24).toImage());
    }
}

QTEST_MAIN(TestStationStyle)
#include "tst_stationstyle.moc"
