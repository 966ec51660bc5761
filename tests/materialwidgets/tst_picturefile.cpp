// Pictures read in the format their names end with: the same pixels as the reader finding the format itself,
// without loading the other image plugins; misnamed and unnamed files still read; the pixmap cache follows a file
// changed on disk.

#include "materialwidgets/picturefile.h"
#include "resources/stationresources.h"
#include "tests/support/imageplugins.h"

#include <QPixmapCache>
#include <QTemporaryDir>
#include <QtTest>

class TestPictureFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // First: it checks what the process has loaded, before any other test reads a picture.
    void readsWithoutLoadingOtherPlugins();
    void samePixelsAsFindingTheFormat_data();
    void samePixelsAsFindingTheFormat();
    void misnamedAndMissingFiles_data();
    void misnamedAndMissingFiles();
    void pixmapCacheFollowsTheFile();

private:
    QTemporaryDir dir;
};

void TestPictureFile::initTestCase()
{
    QVERIFY(dir.isValid());
    initStationResources();
}

void TestPictureFile::readsWithoutLoadingOtherPlugins()
{
    // The GIF and ICO plugins come with the toolkit's GUI module; a reader that asks every plugin loads them.
    QVERIFY(QFile::exists(imageplugins::file("gif")));
    QVERIFY(QFile::exists(imageplugins::file("ico")));
    QVERIFY(!imageplugins::loaded("gif"));

    QVERIFY(!readPicture(":/myImages/png/icon-navigation-home.png").isNull());
    QVERIFY(!picturePixmap(":/myImages/png/icon-navigation-bell.png").isNull());
    QVERIFY(!readPicture(":/myImages/jpg/room/room_1.jpg").isNull());
    QVERIFY(imageplugins::loaded("jpeg"));
    QVERIFY(!imageplugins::loaded("gif"));
    QVERIFY(!imageplugins::loaded("ico"));

    // What the check above would have seen of a reader left to find the format.
    QVERIFY(!QImage(":/myImages/png/icon-navigation-home.png").isNull());
    QVERIFY(imageplugins::loaded("gif"));
}

void TestPictureFile::samePixelsAsFindingTheFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("png") << ":/myImages/png/icon-navigation-home.png";
    QTest::newRow("jpg") << ":/myImages/jpg/room/room_1.jpg";
}

void TestPictureFile::samePixelsAsFindingTheFormat()
{
    QFETCH(QString, path);
    const QImage expected(path);
    QVERIFY(!expected.isNull());
    QCOMPARE(readPicture(path), expected);
    QCOMPARE(picturePixmap(path).toImage(), QPixmap(path).toImage());
}

void TestPictureFile::misnamedAndMissingFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("readable");
    QTest::newRow("png named jpg") << "photo.jpg" << QByteArray("PNG") << true;
    QTest::newRow("jpeg named png") << "photo.png" << QByteArray("JPG") << true;
    QTest::newRow("no suffix") << "photo" << QByteArray("PNG") << true;
    QTest::newRow("unknown suffix") << "photo.dat" << QByteArray("PNG") << true;
    QTest::newRow("not a picture") << "notes.png" << QByteArray() << false;
    QTest::newRow("missing") << "missing.png" << QByteArray("-") << false;
    // Named without its suffix: found under the name with a known suffix, as the reader has always found it.
    QTest::newRow("named without suffix") << "photo_2" << QByteArray("=") << true;
}

void TestPictureFile::misnamedAndMissingFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(bool, readable);
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    const QString path = dir.filePath(name);
    QFile::remove(path);
    if (format.isEmpty()) {
        QFile text(path);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture\n");
    } else if (format == "=") {
        QVERIFY(image.save(path + ".png", "PNG"));
    } else if (format != "-") {
        QVERIFY(image.save(path, format.constData()));
    }
    const QImage read = readPicture(path);
    QCOMPARE(!read.isNull(), readable);
    QCOMPARE(!picturePixmap(path).isNull(), readable);
    if (readable)
        QCOMPARE(read.size(), image.size());
}

void TestPictureFile::pixmapCacheFollowsTheFile()
{
    QImage first(20, 10, QImage::Format_RGB32);
    first.fill(Qt::red);
    const QString path = dir.filePath("photo_1.png");
    QVERIFY(first.save(path, "PNG"));
    const QPixmap before = picturePixmap(path);
    QCOMPARE(before.size(), QSize(20, 10));
    // Read once while the file stays as it is.
    QCOMPARE(picturePixmap(path).cacheKey(), before.cacheKey());

    // A photo replaced under its name is read again.
    QImage second(30, 12, QImage::Format_RGB32);
    second.fill(Qt::blue);
    QVERIFY(second.save(path, "PNG"));
    const QPixmap after = picturePixmap(path);
    QCOMPARE(after.size(), QSize(30, 12));
    QCOMPARE(after.toImage().pixelColor(0, 0), QColor(Qt::blue));
}

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
