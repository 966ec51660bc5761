// The compiled-in pictures and tones: every path the station asks for resolves, decodes, and the picture
// families hold distinct members. Also renders a contact sheet of all pictures for a person to look at.

#include "resources/stationresources.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QtEndian>
#include <QtTest>

namespace {

// Paths named one by one by the screens.
const char *const kNamedPictures[] = {
    ":/myImages/icons/logo.ico",
    ":/myImages/png/ORV Logo.png",
    ":/myImages/png/add_new_room.png",
    ":/myImages/png/airConditioner/icon-ac-power-off.png",
    ":/myImages/png/airConditioner/icon-ac-power-on.png",
    ":/myImages/png/airConditioner/icon-ac-temp.png",
    ":/myImages/png/airConditioner/icon-acmode-auto.png",
    ":/myImages/png/airConditioner/icon-acmode-cool.png",
    ":/myImages/png/airConditioner/icon-acmode-fan.png",
    ":/myImages/png/airConditioner/icon-acmode-heat.png",
    ":/myImages/png/airConditioner/icon-fan-auto.png",
    ":/myImages/png/airConditioner/icon-fan-high.png",
    ":/myImages/png/airConditioner/icon-fan-low.png",
    ":/myImages/png/airConditioner/icon-fan-medium.png",
    ":/myImages/png/edit_room/icon-room-ac.png",
    ":/myImages/png/edit_room/icon-room-floorheat.png",
    ":/myImages/png/edit_room/icon-room-lighting.png",
    ":/myImages/png/edit_room/icon-room-master.png",
    ":/myImages/png/edit_room/icon-room-moods.png",
    ":/myImages/png/edit_room/icon-room-occupation.png",
    ":/myImages/png/edit_room/icon-room-panel.png",
    ":/myImages/png/icon-about-company.png",
    ":/myImages/png/icon-light-disconnected.png",
    ":/myImages/png/icon-lighting-brightness.png",
    ":/myImages/png/icon-navigation-back.png",
    ":/myImages/png/icon-navigation-bell.png",
    ":/myImages/png/icon-navigation-home.png",
    ":/myImages/png/icon-navigation-rooms.png",
    ":/myImages/png/icon-projectsettings-download.png",
    ":/myImages/png/icon-projectsettings-upload.png",
    ":/myImages/png/icon-remote-settings.png",
    ":/myImages/png/icon-search.png",
    ":/myImages/png/icon-system-delete.png",
    ":/myImages/png/icon-system-edit.png",
    ":/myImages/png/icon-system-log.png",
    ":/myImages/png/icon-system-save.png",
    ":/myImages/png/icon_checkbox2_off.png",
    ":/myImages/png/icon_checkbox2_on.png",
    ":/myImages/png/icon_checkbox_off.png",
    ":/myImages/png/icon_checkbox_on.png",
    ":/myImages/png/icon_image_add.png",
    ":/myImages/png/icon_image_default.png",
    ":/myImages/png/logo-about-orv.png",
    ":/myImages/png/master_off.png",
    ":/myImages/png/master_on.png",
    ":/myImages/png/master_unknown.png",
    ":/myImages/png/network/icon-connection-cloudserver-active.png",
    ":/myImages/png/network/icon-connection-cloudserver.png",
    ":/myImages/png/network/icon-connection-dnsserver-active.png",
    ":/myImages/png/network/icon-connection-dnsserver.png",
    ":/myImages/png/network/icon-connection-localnetwork-active.png",
    ":/myImages/png/network/icon-connection-localnetwork.png",
    ":/myImages/png/occupation_off.png",
    ":/myImages/png/occupation_on.png",
    ":/myImages/png/occupation_unknown.png",
    ":/myImages/png/selected.png",
    ":/myImages/png/settings/icon-settings-3dview.png",
    ":/myImages/png/settings/icon-settings-about.png",
    ":/myImages/png/settings/icon-settings-deviceaddress.png",
    ":/myImages/png/settings/icon-settings-messagemanager.png",
    ":/myImages/png/settings/icon-settings-networksetting.png",
    ":/myImages/png/settings/icon-settings-projectsettings.png",
    ":/myImages/png/settings/icon-settings-roomsmanager.png",
    ":/myImages/png/settings/icon-settings-roomtemplate.png",
    ":/myImages/png/shuaxin.png",
};

// A family of built-in pictures: the folder, the name format applied to 1..count, and the extension, exactly as
// the pickers and tiles build their paths.
struct Family
{
    const char *label;
    const char *folder;
    const char *format;
    int count;
    const char *extension;
};

const Family kFamilies[] = {
    {"room", ":/myImages/jpg/room/", "room_%d", 52, ".jpg"},
    {"mood", ":/myImages/jpg/moods/", "moods_%d", 23, ".jpg"},
    {"light on", ":/myImages/png/light/", "light_%02d_on", 52, ".png"},
    {"light off", ":/myImages/png/light/", "light_%02d_off", 52, ".png"},
    {"message", ":/myImages/png/message/", "message_%02d", 11, ".png"},
    {"3D view", ":/myImages/png/3d_view/", "3d_view_%02d", 8, ".png"},
};

QStringList members(const Family &family)
{
    QStringList paths;
    for (int i = 1; i <= family.count; ++i)
        paths << QLatin1String(family.folder) + QString::asprintf(family.format, i) + QLatin1String(family.extension);
    return paths;
}

QByteArray pixelHash(const QImage &image)
{
    const QImage normal = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(
        QByteArray(reinterpret_cast<const char *>(normal.constBits()), int(normal.sizeInBytes())),
        QCryptographicHash::Sha1);
}

struct WaveInfo
{
    bool valid = false;
    quint16 format = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    quint32 dataBytes = 0;
    double seconds = 0;
    double peak = 0; // largest absolute sample, 0..1
};

// Walks the RIFF chunks, checking every length against the bytes actually present.
WaveInfo readWave(const QByteArray &bytes)
{
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    const auto u32 = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&bytes](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (u32(4) != quint32(bytes.size() - 8))
        return info;
    bool haveFormat = false;
    int at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = u32(at + 4);
        if (length > quint32(bytes.size() - at - 8))
            return info;
        if (id == "fmt " && length >= 16) {
            info.format = u16(at + 8);
            info.channels = u16(at + 10);
            info.sampleRate = u32(at + 12);
            info.bitsPerSample = u16(at + 22);
            haveFormat = true;
        } else if (id == "data" && haveFormat && info.channels > 0 && info.bitsPerSample == 16) {
            info.dataBytes = length;
            const int frames = int(length / (2u * info.channels));
            info.seconds = double(frames) / info.sampleRate;
            for (quint32 i = 0; i + 1 < length; i += 2) {
                const qint16 v = qFromLittleEndian<qint16>(bytes.constData() + at + 8 + i);
                info.peak = qMax(info.peak, qAbs(double(v)) / 32768.0);
            }
            info.valid = true;
        }
        at += 8 + int(length) + int(length & 1);
    }
    return info;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namedPictureLoads_data();
    void namedPictureLoads();
    void familyMemberLoads_data();
    void familyMemberLoads();
    void familyMembersDiffer_data();
    void familyMembersDiffer();
    void lightTwinsDiffer();
    void picturesFitTheirTiles_data();
    void picturesFitTheirTiles();
    void toneIsPlayableWave_data();
    void toneIsPlayableWave();
    void tonesDiffer();
    void registeringTwiceIsHarmless();
    void contactSheet();
};

void TestResources::initTestCase()
{
    initStationResources();
}

void TestResources::namedPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : kNamedPictures)
        QTest::newRow(path) << QString::fromUtf8(path);
}

void TestResources::namedPictureLoads()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    const QByteArray format = reader.format(); // sniffed from the content, before reading consumes it
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    // The suffix the station appends must match what is inside.
    QCOMPARE(format, QByteArray(path.endsWith(QLatin1String(".ico")) ? "ico" : "png"));
}

void TestResources::familyMemberLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    for (const Family &family : kFamilies)
        for (const QString &path : members(family))
            QTest::newRow(qPrintable(path))
                << path << QByteArray(qstrcmp(family.extension, ".jpg") == 0 ? "jpeg" : "png");
}

void TestResources::familyMemberLoads()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QImageReader reader(path);
    const QByteArray sniffed = reader.format();
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    QCOMPARE(sniffed, format);
}

void TestResources::familyMembersDiffer_data()
{
    QTest::addColumn<int>("family");
    for (int i = 0; i < int(sizeof kFamilies / sizeof kFamilies[0]); ++i)
        QTest::newRow(kFamilies[i].label) << i;
}

void TestResources::familyMembersDiffer()
{
    QFETCH(int, family);
    // A picker shows a whole family side by side: no two tiles may show the same picture.
    QHash<QByteArray, QString> seen;
    for (const QString &path : members(kFamilies[family])) {
        const QByteArray hash = pixelHash(QImage(path));
        QVERIFY2(!seen.contains(hash), qPrintable(path + QLatin1String(" repeats ") + seen.value(hash)));
        seen.insert(hash, path);
    }
}

void TestResources::lightTwinsDiffer()
{
    // A marker switches between the twins to show the lamp's state, so they must not look the same.
    for (int i = 1; i <= 52; ++i) {
        const QString on = QString::asprintf(":/myImages/png/light/light_%02d_on.png", i);
        const QString off = QString(on).replace(QLatin1String("_on"), QLatin1String("_off"));
        const QImage a(on);
        const QImage b(off);
        QCOMPARE(a.size(), b.size());
        QVERIFY2(pixelHash(a) != pixelHash(b), qPrintable(on));
    }
}

void TestResources::picturesFitTheirTiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("shownAt");
    // Pictures are scaled into their places; none should need upscaling where the size is fixed.
    QTest::newRow("room tile") << ":/myImages/jpg/room/room_1.jpg" << QSize(300, 160);
    QTest::newRow("mood tile") << ":/myImages/jpg/moods/moods_1.jpg" << QSize(300, 160);
    QTest::newRow("light tile square") << ":/myImages/png/light/light_01_on.png" << QSize(96, 96);
    QTest::newRow("message tile square") << ":/myImages/png/message/message_01.png" << QSize(96, 96);
    QTest::newRow("3D view tile") << ":/myImages/png/3d_view/3d_view_01.png" << QSize(300, 160);
    QTest::newRow("setting tile") << ":/myImages/png/settings/icon-settings-3dview.png" << QSize(160, 160);
    QTest::newRow("all switch") << ":/myImages/png/icon_checkbox_on.png" << QSize(64, 36);
    QTest::newRow("menu bar logo") << ":/myImages/png/ORV Logo.png" << QSize(44, 16);
    QTest::newRow("mode tile") << ":/myImages/png/airConditioner/icon-acmode-cool.png" << QSize(48, 48);
}

void TestResources::picturesFitTheirTiles()
{
    QFETCH(QString, path);
    QFETCH(QSize, shownAt);
    const QSize size = QImageReader(path).size();
    QVERIFY2(size.width() >= shownAt.width() && size.height() >= shownAt.height(), qPrintable(path));
    // ... and none is wastefully large (the binary carries them all).
    QVERIFY2(size.width() <= 4 * shownAt.width() && size.height() <= 4 * shownAt.height(), qPrintable(path));
}

void TestResources::toneIsPlayableWave_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("alarm") << ":/myFiles/audio/alarm.wav";
    QTest::newRow("service") << ":/myFiles/audio/service.wav";
}

void TestResources::toneIsPlayableWave()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const WaveInfo info = readWave(file.readAll());
    QVERIFY(info.valid);
    QCOMPARE(info.format, quint16(1)); // plain PCM, which every audio back end plays
    QCOMPARE(info.bitsPerSample, quint16(16));
    QVERIFY(info.channels == 1 || info.channels == 2);
    QVERIFY(info.sampleRate >= 8000 && info.sampleRate <= 48000);
    QVERIFY2(info.seconds >= 0.3 && info.seconds < 2.0, qPrintable(QString::number(info.seconds)));
    // Audible but never clipped.
    QVERIFY(info.peak > 0.1);
    QVERIFY(info.peak < 0.99);
}

void TestResources::tonesDiffer()
{
    QFile alarm(QStringLiteral(":/myFiles/audio/alarm.wav"));
    QFile service(QStringLiteral(":/myFiles/audio/service.wav"));
    QVERIFY(alarm.open(QIODevice::ReadOnly));
    QVERIFY(service.open(QIODevice::ReadOnly));
    QVERIFY(alarm.readAll() != service.readAll());
}

void TestResources::registeringTwiceIsHarmless()
{
    initStationResources();
    QVERIFY(!QImage(QStringLiteral(":/myImages/png/selected.png")).isNull());
    QVERIFY(!QImage(QStringLiteral(":/myImages/jpg/room/room_52.jpg")).isNull());
}

void TestResources::contactSheet()
{
    // Every picture on one sheet, family by family, written next to the test binary (in the build folder) for a person
    // to look at.
    const int cell = 112;
    const int wideWidth = 232;
    const int columns = 13;
    struct Row
    {
        QString title;
        QStringList paths;
        bool wide;
    };
    QVector<Row> rows;
    for (const Family &family : kFamilies) {
        const bool wide = qstrcmp(family.extension, ".jpg") == 0 || QByteArray(family.folder).contains("3d_view");
        rows.append({QString::fromLatin1(family.label), members(family), wide});
    }
    QStringList named;
    for (const char *path : kNamedPictures)
        named << QString::fromUtf8(path);
    rows.append({QStringLiteral("named pictures"), named, false});

    int height = 0;
    for (const Row &row : rows) {
        const int perLine = row.wide ? columns * cell / wideWidth : columns;
        height += 24 + (row.paths.size() + perLine - 1) / perLine * (row.wide ? 132 : cell);
    }
    QImage sheet(columns * cell + 16, height + 16, QImage::Format_RGB32);
    sheet.fill(QColor(0x26, 0x34, 0x40));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    int y = 8;
    for (const Row &row : rows) {
        p.setPen(Qt::white);
        p.drawText(QRect(8, y, 400, 20), Qt::AlignLeft | Qt::AlignVCenter, row.title);
        y += 24;
        const int w = row.wide ? wideWidth : cell;
        const int h = row.wide ? 132 : cell;
        const int perLine = row.wide ? columns * cell / wideWidth : columns;
        for (int i = 0; i < row.paths.size(); ++i) {
            const QRect box(8 + (i % perLine) * w, y + (i / perLine) * h, w - 8, h - 20);
            p.fillRect(box, QColor(0x1F, 0x29, 0x33));
            const QImage image(row.paths.at(i));
            QVERIFY2(!image.isNull(), qPrintable(row.paths.at(i)));
            const QSize fitted = image.size().scaled(box.size() - QSize(8, 8), Qt::KeepAspectRatio);
            p.drawImage(QRect(box.center() - QPoint(fitted.width() / 2, fitted.height() / 2), fitted), image);
            p.setPen(QColor(0xE1, 0xE1, 0xE1));
            const QString name = row.paths.at(i).section(QLatin1Char('/'), -1);
            p.drawText(QRect(box.left(), box.bottom() + 2, box.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                       p.fontMetrics().elidedText(name, Qt::ElideMiddle, box.width()));
        }
        y += (row.paths.size() + perLine - 1) / perLine * h;
    }
    p.end();
    const QString out =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("resources-contact-sheet.png"));
    QVERIFY2(sheet.save(out), qPrintable(out));
    qInfo("contact sheet: %s", qPrintable(out));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
