// The picture pickers: every family's names and tiles, the source chooser, and the editors' side of a choice
// with the gallery copy into the project folder.

#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/iconstyledlg.h"
#include "pages/pickers/iconstyleitem.h"
#include "pages/pickers/picturechoice.h"

#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "resources/stationresources.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QGridLayout>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

// Presses the tile at a 1-based position of the picker. The canvas's kinetic scroller holds a mouse press back
// until it knows it is no drag, so the tile's completed click is given directly; clicks themselves are the
// tile's own concern.
int pressTile(IconSelectDlg &picker, int position)
{
    const QList<ManagerItem *> tiles = picker.tiles();
    if (position < 1 || position > tiles.size())
        return QDialog::Rejected;
    emit tiles.at(position - 1)->signalsPressed();
    return picker.result();
}

int pressStyle(IconStyleDlg &dialog, int style)
{
    for (IconStyleItem *row : dialog.findChildren<IconStyleItem *>()) {
        if (row->style() == style)
            QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    }
    return dialog.result();
}

QString projectFolder()
{
    return gAppDirPath + "/database/Home";
}

} // namespace

class TestPickers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void familiesNameTheirPictures_data();
    void familiesNameTheirPictures();
    void pickerLaysOutItsFamily_data();
    void pickerLaysOutItsFamily();
    void pressedTileAcceptsWithItsName_data();
    void pressedTileAcceptsWithItsName();
    void closingThePickerRejects();
    void styleRowsAcceptWithTheirStyle_data();
    void styleRowsAcceptWithTheirStyle();

    void choiceStopsWhenTheSourceIsClosed();
    void selectImageGivesTheBuiltInPicture();
    void selectImageClosedGivesNothing();
    void galleryCopiesThePictureAsPng();
    void galleryReplacesAnEarlierCopy();
    void galleryWithoutFileGivesNothing();
    void galleryWithoutProjectFolderToasts();
    void galleryWithUnreadableFileStillNamesThePicture();

private:
    QTemporaryDir home;
    QTemporaryDir files;
};

void TestPickers::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    gAppDirPath = home.path();
}

void TestPickers::init()
{
    QDir(projectFolder()).removeRecursively();
    QVERIFY(QDir(home.path()).mkpath("database/Home"));
    QVERIFY(createProjectXml());
}

void TestPickers::cleanup()
{
    IconSelectDlg::setExecHook({});
    IconStyleDlg::setExecHook({});
    PictureChoice::setOpenFileHook({});
}

void TestPickers::familiesNameTheirPictures_data()
{
    QTest::addColumn<int>("iconType");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tileKind");
    QTest::addColumn<QSize>("tileSize");
    QTest::addColumn<QString>("path");
    QTest::newRow("3D views") << 2 << 8 << 8 << "3d_view_08" << int(View3DTile) << QSize(300, 160)
                              << ":/myImages/png/3d_view/3d_view_08.png";
    QTest::newRow("messages") << 3 << 11 << 7 << "message_07" << int(MessageTile) << QSize(192, 192)
                              << ":/myImages/png/message/message_07.png";
    QTest::newRow("lights") << 4 << 52 << 7 << "light_07_on" << int(LightTile) << QSize(192, 192)
                            << ":/myImages/png/light/light_07_on.png";
    QTest::newRow("moods") << 5 << 23 << 7 << "moods_7" << int(MoodTile) << QSize(300, 160)
                           << ":/myImages/jpg/moods/moods_7.jpg";
    for (int other : {0, 1, 9, -1})
        QTest::addRow("rooms for %d", other)
            << other << 52 << 52 << "room_52" << int(RoomTile) << QSize(300, 160) << ":/myImages/jpg/room/room_52.jpg";
}

void TestPickers::familiesNameTheirPictures()
{
    QFETCH(int, iconType);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(int, tileKind);
    QFETCH(QSize, tileSize);
    QFETCH(QString, path);

    const PictureFamily family = IconSelectDlg::family(iconType);
    QCOMPARE(family.names.size(), count);
    QCOMPARE(family.names.at(position - 1), name);
    QCOMPARE(family.tileKind, tileKind);
    QCOMPARE(QSize(family.tileWidth, family.tileHeight), tileSize);

    IconSelectDlg picker(nullptr);
    picker.iconType = iconType;
    picker.initIcons();
    const QList<ManagerItem *> tiles = picker.tiles();
    QCOMPARE(tiles.size(), count);
    ManagerItem *tile = tiles.at(position - 1);
    QCOMPARE(tile->iconName(), name);
    QCOMPARE(tile->type(), tileKind);
    QCOMPARE(tile->size(), tileSize);
    QCOMPARE(tile->id(), 0);
    QVERIFY(tile->name().isEmpty());
    QVERIFY(!tile->deleteButton());
    QCOMPARE(tile->color(), TileGrid::itemColor);
    // Every name of the family is a compiled-in picture.
    QCOMPARE(tile->picturePath(), path);
    for (ManagerItem *each : tiles)
        QVERIFY2(!QImageReader(each->picturePath()).read().isNull(), qPrintable(each->picturePath()));
}

void TestPickers::pickerLaysOutItsFamily_data()
{
    QTest::addColumn<int>("iconType");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QPoint>("lastCell");
    QTest::newRow("52 squares fill 13 rows of 4") << 4 << 4 << 6 << QPoint(3, 12);
    QTest::newRow("23 cards, 2 a row") << 5 << 2 << 66 << QPoint(0, 11);
}

void TestPickers::pickerLaysOutItsFamily()
{
    QFETCH(int, iconType);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QFETCH(QPoint, lastCell);

    IconSelectDlg picker(nullptr);
    QCOMPARE(picker.objectName(), QString("IconSelectDlg"));
    QCOMPARE(picker.width(), 800);
    QCOMPARE(picker.minimumSize(), QSize(800, 600));
    picker.iconType = iconType;
    picker.initIcons();
    auto *grid = qobject_cast<QGridLayout *>(picker.tiles().first()->parentWidget()->layout());
    QVERIFY(grid);
    QCOMPARE(grid->horizontalSpacing(), spacing);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(picker.tiles().last()), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QPoint(column, row), lastCell);
    QCOMPARE(grid->columnStretch(columns), 1);
}

void TestPickers::pressedTileAcceptsWithItsName_data()
{
    QTest::addColumn<int>("iconType");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::newRow("7th light") << 4 << 7 << "light_07_on";
    QTest::newRow("7th mood") << 5 << 7 << "moods_7";
    QTest::newRow("7th message") << 3 << 7 << "message_07";
    QTest::newRow("8th 3D view") << 2 << 8 << "3d_view_08";
    QTest::newRow("room") << 0 << 5 << "room_5";
}

void TestPickers::pressedTileAcceptsWithItsName()
{
    QFETCH(int, iconType);
    QFETCH(int, position);
    QFETCH(QString, name);
    IconSelectDlg picker(nullptr);
    picker.iconType = iconType;
    picker.initIcons();
    QCOMPARE(pressTile(picker, position), int(QDialog::Accepted));
    QCOMPARE(picker.iconName, name);
}

void TestPickers::closingThePickerRejects()
{
    IconSelectDlg picker(nullptr);
    picker.initIcons();
    picker.show();
    picker.findChild<QtMaterialIconButton *>("pushButtonClose")->click();
    QCOMPARE(picker.result(), int(QDialog::Rejected));
    QVERIFY(picker.iconName.isEmpty());
}

void TestPickers::styleRowsAcceptWithTheirStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("text");
    QTest::newRow("built-in") << 0 << "Select Image";
    QTest::newRow("gallery") << 1 << "Add From Gallery";
}

void TestPickers::styleRowsAcceptWithTheirStyle()
{
    QFETCH(int, style);
    QFETCH(QString, text);
    IconStyleDlg dialog(nullptr);
    QCOMPARE(dialog.objectName(), QString("IconStyleDlg"));
    QCOMPARE(dialog.size(), QSize(400, 180));
    QCOMPARE(dialog.iconStyle, 0);
    dialog.iconStyle = 7;
    QCOMPARE(pressStyle(dialog, style), int(QDialog::Accepted));
    QCOMPARE(dialog.iconStyle, style);
    IconStyleItem row(style, nullptr);
    QCOMPARE(row.text(), text);
    QCOMPARE(row.height(), 40);
}

void TestPickers::choiceStopsWhenTheSourceIsClosed()
{
    IconStyleDlg::setExecHook([](IconStyleDlg &) { return int(QDialog::Rejected); });
    bool asked = false;
    IconSelectDlg::setExecHook([&asked](IconSelectDlg &) {
        asked = true;
        return int(QDialog::Rejected);
    });
    QVERIFY(!PictureChoice::choose(nullptr, IconSelectRoomTemplate, "Template", 1));
    QVERIFY(!asked);
}

void TestPickers::selectImageGivesTheBuiltInPicture()
{
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 0); });
    int shownFamily = -1;
    IconSelectDlg::setExecHook([&shownFamily](IconSelectDlg &picker) {
        shownFamily = picker.iconType;
        return pressTile(picker, 3);
    });
    QCOMPARE(PictureChoice::choose(nullptr, IconSelectMood, "Mood", 2), std::optional<QString>("moods_3"));
    QCOMPARE(shownFamily, int(IconSelectMood));
}

void TestPickers::selectImageClosedGivesNothing()
{
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 0); });
    IconSelectDlg::setExecHook([](IconSelectDlg &) { return int(QDialog::Rejected); });
    QVERIFY(!PictureChoice::choose(nullptr, IconSelectRoom, "Room", 2));
}

void TestPickers::galleryCopiesThePictureAsPng()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    const QString source = files.filePath("holiday.jpg");
    QVERIFY(image.save(source, "JPG"));

    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    QWidget editor;
    QWidget *parentSeen = nullptr;
    QString captionSeen;
    QString filterSeen;
    PictureChoice::setOpenFileHook([&](QWidget *parent, const QString &caption, const QString &filter) {
        parentSeen = parent;
        captionSeen = caption;
        filterSeen = filter;
        return source;
    });
    QCOMPARE(PictureChoice::choose(&editor, IconSelectRoomTemplate, "Template", 4),
             std::optional<QString>("photo_Template_4"));
    QCOMPARE(parentSeen, &editor);
    QCOMPARE(captionSeen, QString("Open"));
    QCOMPARE(filterSeen, QString("Image Files(*.bmp *.png *.gif *.jpg)"));

    const QString copy = projectFolder() + "/photo_Template_4.png";
    QImageReader reader(copy);
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.read().size(), QSize(40, 30));
    // The tiles find it by the name without its extension.
    ManagerItem tile(RoomTemplateTile, 0, "", "photo_Template_4", false, TileGrid::itemColor, 300, 160, nullptr);
    QCOMPARE(tile.picturePath(), copy);
}

void TestPickers::galleryReplacesAnEarlierCopy()
{
    const QString first = files.filePath("first.png");
    const QString second = files.filePath("second.bmp");
    QVERIFY(QImage(10, 10, QImage::Format_RGB32).save(first));
    QVERIFY(QImage(20, 5, QImage::Format_RGB32).save(second));
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    QString next = first;
    PictureChoice::setOpenFileHook([&next](QWidget *, const QString &, const QString &) { return next; });
    QCOMPARE(PictureChoice::choose(nullptr, IconSelectRoom, "Room", 5), std::optional<QString>("photo_Room_5"));
    next = second;
    QCOMPARE(PictureChoice::choose(nullptr, IconSelectRoom, "Room", 5), std::optional<QString>("photo_Room_5"));
    QCOMPARE(QImageReader(projectFolder() + "/photo_Room_5.png").read().size(), QSize(20, 5));
    QCOMPARE(QDir(projectFolder()).entryList(QDir::Files).size(), 1);
}

void TestPickers::galleryWithoutFileGivesNothing()
{
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([](QWidget *, const QString &, const QString &) { return QString(); });
    QVERIFY(!PictureChoice::choose(nullptr, IconSelectRoom, "Room", 5));
    QVERIFY(QDir(projectFolder()).isEmpty());
}

void TestPickers::galleryWithoutProjectFolderToasts()
{
    const QString source = files.filePath("any.png");
    QVERIFY(QImage(10, 10, QImage::Format_RGB32).save(source));
    QVERIFY(QDir(projectFolder()).removeRecursively());
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([&source](QWidget *, const QString &, const QString &) { return source; });
    QSignalSpy toasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QVERIFY(!PictureChoice::choose(nullptr, IconSelect3DView, "3dView", 2));
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("Lose the dir named Home,please reboot the application!"));
    QVERIFY(!QFileInfo::exists(projectFolder()));
    QVERIFY(QDir(gAppDirPath + "/database").entryList(QStringList("*.png")).isEmpty());
}

void TestPickers::galleryWithUnreadableFileStillNamesThePicture()
{
    const QString source = files.filePath("broken.png");
    QFile broken(source);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([&source](QWidget *, const QString &, const QString &) { return source; });
    QCOMPARE(PictureChoice::choose(nullptr, IconSelectMood, "Mood", 9), std::optional<QString>("photo_Mood_9"));
    QVERIFY(!QFileInfo::exists(projectFolder() + "/photo_Mood_9.png"));
}

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
