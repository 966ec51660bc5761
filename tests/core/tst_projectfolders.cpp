// Project folders and archives: copying, clearing, packing and unpacking, and archives that try to escape.

#include "core/globals.h"
#include "core/projectfolders.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTime>
#include <QtTest>

#include <quazip/JlCompress.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(content);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every path below root, relative and sorted, folders marked with a trailing slash.
QStringList tree(const QString &root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        paths << QDir(root).relativeFilePath(info.filePath()) + (info.isDir() && !info.isSymLink() ? "/" : "");
    }
    paths.sort();
    return paths;
}

struct ZipEntry
{
    ZipEntry(const QString &entryName = QString(), const QByteArray &entryContent = QByteArray(),
             bool isSymlink = false, quint32 attributes = 0, const QByteArray &extraField = QByteArray())
        : name(entryName), content(entryContent), symlink(isSymlink), externalAttr(attributes), extra(extraField)
    {
    }
    QString name;
    QByteArray content;
    bool symlink;
    quint32 externalAttr; // written as it stands when not 0
    QByteArray extra;     // central and local extra field
};

const quint32 LinkAttr = quint32(0120777) << 16;

// The PKWARE Unix extra field of a hard link to target: times, ids, then the link's target.
QByteArray hardLinkExtra(const QByteArray &target)
{
    QByteArray data(12, '\0');
    data += target;
    QByteArray field;
    field.append('\x0d').append('\0');
    field.append(char(data.size() & 0xff)).append(char(data.size() >> 8));
    return field + data;
}

// Changes bytes of an archive in place: at offset, counted from the start of the local header (PK 3 4) or the
// central directory record (PK 1 2) of the entry called name.
bool patchZip(const QString &path, const QByteArray &name, bool central, int offset, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray zip = file.readAll();
    const QByteArray signature = central ? QByteArray("PK\x01\x02") : QByteArray("PK\x03\x04");
    const int nameAt = central ? 46 : 30;
    for (int at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 1)) {
        if (zip.mid(at + nameAt, name.size()) == name) {
            zip.replace(at + offset, bytes.size(), bytes);
            file.seek(0);
            return file.write(zip) == zip.size();
        }
    }
    return false;
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
    return bytes;
}

// Builds an archive entry by entry, names taken as they stand, so a test can write what no honest packer would.
bool writeZip(const QString &path, const QList<ZipEntry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate)) {
        return false;
    }
    for (const ZipEntry &entry : entries) {
        QuaZipFile file(&zip);
        QuaZipNewInfo info(entry.name);
        if (entry.symlink) {
            info.externalAttr = LinkAttr;
        }
        if (entry.externalAttr) {
            info.externalAttr = entry.externalAttr;
        }
        info.extraLocal = entry.extra;
        info.extraGlobal = entry.extra;
        if (!file.open(QIODevice::WriteOnly, info)) {
            return false;
        }
        file.write(entry.content);
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

} // namespace

Q_DECLARE_METATYPE(ZipEntry)

class TestProjectFolders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void copyFileTo_data();
    void copyFileTo();
    void copyDirectoryReproducesTree();
    void copyDirectoryStopsAtExistingFile();
    void copyDirectoryOfMissingSource();
    void copyDirectoryIntoItself();
    void clearDirectoryEmptiesFolder();
    void compressSkipsProjectsWithoutFolder();
    void compressNeverTouchesProjectFolders();
    void compressSkipsInvalidNames();
    void compressThenExtractRoundTrip();
    void compressToUnwritablePlaceFails();
    void extractMissingArchiveTouchesNothing();
    void extractReplacesContent();
    void extractDamagedArchiveTouchesNothing();
    void hostileArchiveChangesNothing_data();
    void hostileArchiveChangesNothing();
    void linkLoopIsNeitherCopiedNorPacked();
    void brokenArchiveChangesNothing_data();
    void brokenArchiveChangesNothing();
    void sizeLimit_data();
    void sizeLimit();
    void sizeLimitFollowsFreeSpace();
    void namesAreWrittenAsFlaggedUtf8();
    void namesWithoutTheFlagAreReadAsBefore();
    void controlCharactersInNamesAreRefused_data();
    void controlCharactersInNamesAreRefused();
    void fullDiskIsToldApart();
    void unpackingOnAFullDiskSaysSo_data();
    void unpackingOnAFullDiskSaysSo();

private:
    QString path(const QString &relative) const { return m_root.path() + '/' + relative; }
    QStringList stagingFolders() const;

    QTemporaryDir m_home;
    QTemporaryDir m_root;
};

void TestProjectFolders::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
    gAppDirPath = m_home.path() + "/app";
}

void TestProjectFolders::init()
{
    QVERIFY(QDir(m_home.path() + "/app").removeRecursively());
    QVERIFY(QDir().mkpath(databaseFolderPath()));
    clearDirectory(m_root.path());
    QVERIFY(tree(m_root.path()).isEmpty());
}

QStringList TestProjectFolders::stagingFolders() const
{
    return QDir(QDir::tempPath()).entryList({"zoduv-pack-*"}, QDir::AllEntries | QDir::Hidden);
}

void TestProjectFolders::copyFileTo_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("new file") << "b.db3" << false << false << true << QByteArray("source");
    QTest::newRow("existing, no overwrite") << "b.db3" << true << false << false << QByteArray("old");
    QTest::newRow("existing, overwrite") << "b.db3" << true << true << true << QByteArray("source");
    QTest::newRow("same file") << "a.db3" << false << true << true << QByteArray("source");
    QTest::newRow("same file, other spelling") << "./a.db3" << false << true << true << QByteArray("source");
    QTest::newRow("missing source") << "b.db3" << false << true << false << QByteArray();
}

void TestProjectFolders::copyFileTo()
{
    QFETCH(QString, target);
    QFETCH(bool, existing);
    QFETCH(bool, overwrite);
    QFETCH(bool, result);
    QFETCH(QByteArray, expected);

    const bool missingSource = QString(QTest::currentDataTag()) == "missing source";
    if (!missingSource) {
        writeFile(path("a.db3"), "source");
    }
    if (existing) {
        writeFile(path(target), "old");
    }
    // The target is handed over written with backslashes; it means the same path with slashes.
    QString windowsStyle = path(target);
    windowsStyle.replace('/', '\\');
    QCOMPARE(::copyFileTo(path("a.db3"), windowsStyle, overwrite), result);
    QCOMPARE(readAll(path(target)), expected);
    const bool sameFile = target.endsWith("a.db3");
    QCOMPARE(tree(m_root.path()).count(), missingSource ? int(existing) : 1 + (sameFile ? 0 : 1));
}

void TestProjectFolders::copyDirectoryReproducesTree()
{
    writeFile(path("src/Home.db3"), "db");
    writeFile(path("src/photo_Room_1.png"), "png");
    writeFile(path("src/sub/deeper/x.png"), "x");
    writeFile(path("src/.hidden"), "secret");
    QVERIFY(QDir().mkpath(path("src/empty")));

    QVERIFY(copyDirectory(path("src"), path("dst"), false));
    QCOMPARE(tree(path("dst")),
             (QStringList{"Home.db3", "empty/", "photo_Room_1.png", "sub/", "sub/deeper/", "sub/deeper/x.png"}));
    QCOMPARE(readAll(path("dst/sub/deeper/x.png")), QByteArray("x"));

    // With overwrite, existing files are replaced.
    writeFile(path("src/Home.db3"), "db2");
    QVERIFY(copyDirectory(path("src"), path("dst"), true));
    QCOMPARE(readAll(path("dst/Home.db3")), QByteArray("db2"));
}

void TestProjectFolders::copyDirectoryStopsAtExistingFile()
{
    writeFile(path("src/a.png"), "a");
    writeFile(path("src/b.png"), "b");
    writeFile(path("src/c.png"), "c");
    writeFile(path("dst/b.png"), "old");

    QVERIFY(!copyDirectory(path("src"), path("dst"), false));
    QCOMPARE(readAll(path("dst/b.png")), QByteArray("old"));
    // Entries go in name order, so a.png was copied and c.png never reached.
    QCOMPARE(tree(path("dst")), (QStringList{"a.png", "b.png"}));
}

void TestProjectFolders::copyDirectoryOfMissingSource()
{
    QVERIFY(!copyDirectory(path("nowhere"), path("dst"), true));
    QVERIFY(!QFileInfo::exists(path("dst")));
}

void TestProjectFolders::copyDirectoryIntoItself()
{
    writeFile(path("src/a.png"), "a");
    QVERIFY(!copyDirectory(path("src"), path("src/copy"), true));
    QCOMPARE(tree(path("src")), QStringList{"a.png"});
}

void TestProjectFolders::clearDirectoryEmptiesFolder()
{
    writeFile(path("folder/one.png"), "1");
    writeFile(path("folder/two.db3"), "2");
    writeFile(path("folder/sub/three.png"), "3");
    writeFile(path("elsewhere/keep.png"), "keep");
    QVERIFY(QFile::link(path("elsewhere"), path("folder/link")));

    clearDirectory(path("folder"));
    QVERIFY(QFileInfo(path("folder")).isDir());
    QCOMPARE(tree(path("folder")), QStringList());
    // A link inside goes away, the folder it pointed to stays whole.
    QCOMPARE(readAll(path("elsewhere/keep.png")), QByteArray("keep"));
}

void TestProjectFolders::compressSkipsProjectsWithoutFolder()
{
    writeFile(projectFolderPath("A") + "/A.db3", "a-db");
    writeFile(projectFolderPath("A") + "/photo_Room_1.png", "a-png");

    const QString zip = path("out.zip");
    QVERIFY(compressProjects({"A", "B"}, zip));
    QStringList entries = JlCompress::getFileList(zip);
    entries.sort();
    QCOMPARE(entries, (QStringList{"A/", "A/A.db3", "A/photo_Room_1.png"}));
    QVERIFY(stagingFolders().isEmpty());
    QCOMPARE(tree(databaseFolderPath()), (QStringList{"A/", "A/A.db3", "A/photo_Room_1.png"}));
}

void TestProjectFolders::compressNeverTouchesProjectFolders()
{
    // Projects named after the time of day, around now, must survive packing.
    const QTime now = QTime::currentTime();
    QStringList names;
    for (int s = -2; s <= 5; ++s) {
        const QString name = now.addSecs(s).toString("hhmmss");
        names << name;
        writeFile(projectFolderPath(name) + '/' + name + ".db3", name.toUtf8());
    }
    writeFile(projectFolderPath("P") + "/P.db3", "p");

    QVERIFY(compressProjects({"P"}, path("out.zip")));
    for (const QString &name : names) {
        QCOMPARE(readAll(projectFolderPath(name) + '/' + name + ".db3"), name.toUtf8());
    }
    QCOMPARE(JlCompress::getFileList(path("out.zip")).count(), 2);
    QVERIFY(stagingFolders().isEmpty());
}

void TestProjectFolders::compressSkipsInvalidNames()
{
    writeFile(projectFolderPath("A") + "/A.db3", "a");
    writeFile(gAppDirPath + "/outside.txt", "not a project");
    QVERIFY(compressProjects({"..", ".", "", "A"}, path("out.zip")));
    QStringList entries = JlCompress::getFileList(path("out.zip"));
    entries.sort();
    QCOMPARE(entries, (QStringList{"A/", "A/A.db3"}));
}

void TestProjectFolders::compressThenExtractRoundTrip()
{
    writeFile(projectFolderPath("A") + "/A.db3", "a-db");
    writeFile(projectFolderPath("A") + "/photo_Mood_2.png", "mood");
    writeFile(projectFolderPath("B") + "/B.db3", "b-db");
    writeFile(projectFolderPath("B") + "/.hidden", "not packed");

    QVERIFY(compressProjects({"A", "B"}, path("out.zip")));
    QVERIFY(extractProjectArchive(path("out.zip"), path("in")));
    QCOMPARE(tree(path("in")), (QStringList{"A/", "A/A.db3", "A/photo_Mood_2.png", "B/", "B/B.db3"}));
    QCOMPARE(readAll(path("in/A/photo_Mood_2.png")), QByteArray("mood"));
    QCOMPARE(readAll(path("in/B/B.db3")), QByteArray("b-db"));
}

void TestProjectFolders::compressToUnwritablePlaceFails()
{
    writeFile(projectFolderPath("A") + "/A.db3", "a");
    // A folder stands where the archive should go.
    QVERIFY(QDir().mkpath(path("taken.zip")));
    QVERIFY(!compressProjects({"A"}, path("taken.zip")));
    QVERIFY(QFileInfo(path("taken.zip")).isDir());
    QCOMPARE(tree(m_root.path()), QStringList{"taken.zip/"});
    QVERIFY(stagingFolders().isEmpty());
    QCOMPARE(readAll(projectFolderPath("A") + "/A.db3"), QByteArray("a"));
}

void TestProjectFolders::extractMissingArchiveTouchesNothing()
{
    writeFile(path("target/keep.db3"), "keep");
    QVERIFY(!extractProjectArchive(path("missing.zip"), path("target")));
    QCOMPARE(tree(path("target")), QStringList{"keep.db3"});
}

void TestProjectFolders::extractReplacesContent()
{
    writeFile(path("target/old/old.db3"), "old");
    QVERIFY(writeZip(path("in.zip"), {{"New/", {}, false}, {"New/New.db3", "new", false}}));
    QVERIFY(extractProjectArchive(path("in.zip"), path("target")));
    QCOMPARE(tree(path("target")), (QStringList{"New/", "New/New.db3"}));
    QCOMPARE(readAll(path("target/New/New.db3")), QByteArray("new"));
}

void TestProjectFolders::extractDamagedArchiveTouchesNothing()
{
    writeFile(path("target/keep.db3"), "keep");
    writeFile(path("broken.zip"), "PK\x03\x04 this is no archive");
    QVERIFY(!extractProjectArchive(path("broken.zip"), path("target")));
    QCOMPARE(tree(path("target")), QStringList{"keep.db3"});
}

void TestProjectFolders::hostileArchiveChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("symlink");
    // The target folder is <root>/zone/target, so "../" lands in <root>/zone, which the test watches too.
    QTest::newRow("parent step") << "../x" << QByteArray("evil") << false;
    QTest::newRow("parent step inside a path") << "A/../../x" << QByteArray("evil") << false;
    QTest::newRow("absolute path") << path("zone/x") << QByteArray("evil") << false;
    QTest::newRow("drive letter") << "C:/x" << QByteArray("evil") << false;
    QTest::newRow("backslash") << "A\\..\\..\\x" << QByteArray("evil") << false;
    QTest::newRow("backslash in a name") << "A\\x" << QByteArray("evil") << false;
    QTest::newRow("link to parent") << "A/up" << QByteArray("../..") << true;
    QTest::newRow("link to absolute path") << "A/abs" << path("zone").toUtf8() << true;
    QTest::newRow("link climbing through a folder") << "A/B/l" << QByteArray("../../../x") << true;
    QTest::newRow("link to its own folder") << "A/d1" << QByteArray(".") << true;
    QTest::newRow("link pointing inside") << "A/same" << QByteArray("A.db3") << true;
}

void TestProjectFolders::hostileArchiveChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, symlink);

    writeFile(path("zone/target/keep.db3"), "keep");
    const QStringList before = tree(path("zone"));

    // An honest entry first, so the hostile one isn't refused merely for being alone.
    QVERIFY(writeZip(path("hostile.zip"), {{"A/A.db3", "db", false}, {name, content, symlink}}));
    {
        // The fixture holds what the row says.
        QuaZip zip(path("hostile.zip"));
        QVERIFY(zip.open(QuaZip::mdUnzip));
        QVERIFY(zip.setCurrentFile(name));
        QuaZipFileInfo64 info;
        QVERIFY(zip.getCurrentFileInfo(&info));
        QCOMPARE(info.isSymbolicLink(), symlink);
    }

    QVERIFY(!extractProjectArchive(path("hostile.zip"), path("zone/target")));
    QCOMPARE(tree(path("zone")), before);
    QCOMPARE(readAll(path("zone/target/keep.db3")), QByteArray("keep"));
}

void TestProjectFolders::linkLoopIsNeitherCopiedNorPacked()
{
    // Two links back to their own folder: followed, every level doubles the tree without end.
    writeFile(projectFolderPath("A") + "/A.db3", "db");
    QVERIFY(QFile::link(".", projectFolderPath("A") + "/d1"));
    QVERIFY(QFile::link(".", projectFolderPath("A") + "/d2"));
    writeFile(path("outside/secret.png"), "secret");
    QVERIFY(QFile::link(path("outside"), projectFolderPath("A") + "/out"));

    QVERIFY(copyDirectory(projectFolderPath("A"), path("copy"), true));
    QCOMPARE(tree(path("copy")), QStringList{"A.db3"});

    QVERIFY(compressProjects({"A"}, path("out.zip")));
    QStringList entries = JlCompress::getFileList(path("out.zip"));
    entries.sort();
    QCOMPARE(entries, (QStringList{"A/", "A/A.db3"}));
}

void TestProjectFolders::brokenArchiveChangesNothing_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");
    QTest::addColumn<QString>("damage"); // "" none, "crc" a wrong checksum, "longer" an entry longer than declared
    const ZipEntry good{"A/A.db3", "db", false};
    const ZipEntry second{"A/photo_Room_1.png", QByteArray(20000, 'p'), false};
    QTest::newRow("hard link") << QList<ZipEntry>{good, {"A/hard", "", false, 0100644u << 16, hardLinkExtra("A.db3")}}
                               << "";
    QTest::newRow("named pipe") << QList<ZipEntry>{good, {"A/fifo", "", false, 0010644u << 16, {}}} << "";
    QTest::newRow("device") << QList<ZipEntry>{good, {"A/dev", "", false, 0020644u << 16, {}}} << "";
    QTest::newRow("reparse point") << QList<ZipEntry>{good, {"A/junction", "", false, 0x400, {}}} << "";
    QTest::newRow("the same name twice") << QList<ZipEntry>{good, {"A/A.db3", "other", false}} << "";
    QTest::newRow("a file, then a folder of that name")
        << QList<ZipEntry>{good, {"A/x", "file", false}, {"A/x/", "", false}} << "";
    QTest::newRow("a file, then a file inside it")
        << QList<ZipEntry>{good, {"A/x", "file", false}, {"A/x/y", "y", false}} << "";
    QTest::newRow("damaged entry after good ones") << QList<ZipEntry>{good, second} << "crc";
    QTest::newRow("entry yields more than it declares") << QList<ZipEntry>{good, second} << "longer";
}

void TestProjectFolders::brokenArchiveChangesNothing()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(QString, damage);
    writeFile(path("zone/target/keep.db3"), "keep");
    writeFile(path("zone/target/Old/Old.db3"), "old");
    const QStringList before = tree(path("zone"));

    QVERIFY(writeZip(path("broken.zip"), entries));
    const QByteArray name = entries.last().name.toUtf8();
    if (damage == "crc") {
        QVERIFY(patchZip(path("broken.zip"), name, false, 14, littleEndian32(0x12345678)));
        QVERIFY(patchZip(path("broken.zip"), name, true, 16, littleEndian32(0x12345678)));
    } else if (damage == "longer") {
        // 20000 bytes packed, 100 declared (local header and central directory agree).
        QVERIFY(patchZip(path("broken.zip"), name, false, 22, littleEndian32(100)));
        QVERIFY(patchZip(path("broken.zip"), name, true, 24, littleEndian32(100)));
    }

    QVERIFY(!extractProjectArchive(path("broken.zip"), path("zone/target")));
    // Byte for byte as before, and no folder left beside it.
    QCOMPARE(tree(path("zone")), before);
    QCOMPARE(readAll(path("zone/target/keep.db3")), QByteArray("keep"));
    QCOMPARE(readAll(path("zone/target/Old/Old.db3")), QByteArray("old"));
}

void TestProjectFolders::sizeLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a bomb well over the limit") << 4 * 1024 * 1024 << false;
    QTest::newRow("one byte over") << 64 * 1024 + 1 << false;
    QTest::newRow("just at the limit") << 64 * 1024 << true;
}

void TestProjectFolders::sizeLimit()
{
    QFETCH(int, size);
    QFETCH(bool, accepted);
    // Two entries whose sizes add up: the limit holds for the archive as a whole.
    const int first = 1000;
    QVERIFY(writeZip(path("bomb.zip"),
                     {{"A/A.db3", QByteArray(first, 'a'), false}, {"A/zeros", QByteArray(size - first, '\0'), false}}));
    QVERIFY(QFileInfo(path("bomb.zip")).size() < 20 * 1024);
    writeFile(path("zone/target/keep.db3"), "keep");
    const QStringList before = tree(path("zone"));

    setArchiveSizeCap(64 * 1024);
    const bool result = extractProjectArchive(path("bomb.zip"), path("zone/target"));
    setArchiveSizeCap(0);
    QCOMPARE(result, accepted);
    if (accepted) {
        QCOMPARE(tree(path("zone/target")), (QStringList{"A/", "A/A.db3", "A/zeros"}));
        QCOMPARE(QFileInfo(path("zone/target/A/zeros")).size(), qint64(size - first));
    } else {
        QCOMPARE(tree(path("zone")), before);
    }
}

void TestProjectFolders::sizeLimitFollowsFreeSpace()
{
    const QStorageInfo storage(m_root.path());
    QVERIFY(storage.isValid());
    const qint64 free = storage.bytesAvailable() - (qint64(256) << 20);
    const qint64 expected = qBound(qint64(0), free, qint64(4) << 30);
    // Free space changes while other programs write: compare within a margin.
    QVERIFY(qAbs(archiveSizeLimit(m_root.path()) - expected) < (qint64(64) << 20));
    // A folder that does not exist yet counts on the file system that would hold it.
    QVERIFY(qAbs(archiveSizeLimit(path("not/yet/there")) - expected) < (qint64(64) << 20));
    setArchiveSizeCap(1000);
    QCOMPARE(archiveSizeLimit(m_root.path()), qMin(qint64(1000), qMax(qint64(0), free)));
    setArchiveSizeCap(0);
}

void TestProjectFolders::namesAreWrittenAsFlaggedUtf8()
{
    const QString name = QString::fromUtf8("Hôtel 東京");
    writeFile(projectFolderPath(name) + '/' + name + ".db3", "db");
    QVERIFY(compressProjects({name}, path("out.zip")));

    QuaZip zip(path("out.zip"));
    QVERIFY(zip.open(QuaZip::mdUnzip));
    int count = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        QVERIFY(zip.getCurrentFileInfo(&info));
        QVERIFY2(info.flags & 0x800, qPrintable(info.name));
        ++count;
    }
    QCOMPARE(count, 2);
    zip.close();
    // The bytes of the name in the archive are its UTF-8 form, as other unpackers read it.
    QVERIFY(readAll(path("out.zip")).contains((name + '/' + name + ".db3").toUtf8()));

    QVERIFY(extractProjectArchive(path("out.zip"), path("in")));
    QCOMPARE(tree(path("in")), (QStringList{name + '/', name + '/' + name + ".db3"}));
}

void TestProjectFolders::namesWithoutTheFlagAreReadAsBefore()
{
    // As earlier stations wrote them: names in the default encoding, no flag.
    const QString name = QString::fromUtf8("Hotel-Lake");
    QVERIFY(writeZip(path("old.zip"), {{name + "/" + name + ".db3", "db", false}}));
    QuaZip zip(path("old.zip"));
    QVERIFY(zip.open(QuaZip::mdUnzip));
    QVERIFY(zip.goToFirstFile());
    QuaZipFileInfo64 info;
    QVERIFY(zip.getCurrentFileInfo(&info));
    QCOMPARE(info.flags & 0x800, 0);
    zip.close();

    QVERIFY(extractProjectArchive(path("old.zip"), path("in")));
    QCOMPARE(tree(path("in")), (QStringList{name + '/', name + '/' + name + ".db3"}));
}

void TestProjectFolders::controlCharactersInNamesAreRefused_data()
{
    QTest::addColumn<QByteArray>("name");
    // The name as the archive stores it; the entry is written under a stand-in of the same length and patched.
    QTest::newRow("NUL byte") << QByteArray("A/x.db3\0../../y", 15);
    QTest::newRow("NUL before a plain name") << QByteArray("A/A.db3\0.png", 12);
    QTest::newRow("line feed") << QByteArray("A/x\ny");
    QTest::newRow("escape") << QByteArray("A/x\x1by");
    QTest::newRow("delete") << QByteArray("A/x\x7fy");
}

void TestProjectFolders::controlCharactersInNamesAreRefused()
{
    QFETCH(QByteArray, name);
    writeFile(path("zone/target/keep.db3"), "keep");
    const QStringList before = tree(path("zone"));
    QByteArray standIn = name;
    for (char &c : standIn) {
        if (quint8(c) < 0x20 || quint8(c) == 0x7f)
            c = '_';
    }
    QVERIFY(writeZip(path("control.zip"), {{"A/A.db3", "db", false}, {QString::fromLatin1(standIn), "evil", false}}));
    QVERIFY(patchZip(path("control.zip"), standIn, false, 30, name));
    QVERIFY(patchZip(path("control.zip"), standIn, true, 46, name));
    {
        // The fixture holds the name the row gives, control characters and all.
        QuaZip zip(path("control.zip"));
        QVERIFY(zip.open(QuaZip::mdUnzip));
        QStringList names;
        for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
            QuaZipFileInfo64 info;
            QVERIFY(zip.getCurrentFileInfo(&info));
            names.append(info.name);
        }
        QCOMPARE(names, (QStringList{"A/A.db3", QString::fromLatin1(name.constData(), name.size())}));
    }

    ArchiveFailure failure = ArchiveFailure::None;
    QVERIFY(!extractProjectArchive(path("control.zip"), path("zone/target"), &failure));
    QCOMPARE(failure, ArchiveFailure::Refused);
    QCOMPARE(tree(path("zone")), before);
}

void TestProjectFolders::fullDiskIsToldApart()
{
    // The system's always-full device answers every write as a full disk does.
    QFile full("/dev/full");
    QVERIFY(full.open(QIODevice::WriteOnly));
    QCOMPARE(writeToFile(full, QByteArray(100000, 'x')), WriteResult::DiskFull);

    QFile plain(path("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(writeToFile(plain, "data"), WriteResult::Written);
    plain.close();
    QFile readOnly(path("plain"));
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QCOMPARE(writeToFile(readOnly, "data"), WriteResult::Failed);

    // The seam: room for 10 bytes more, then full.
    setWritesFailAfterForTests(10);
    QFile seam(path("seam"));
    QVERIFY(seam.open(QIODevice::WriteOnly));
    QCOMPARE(writeToFile(seam, "12345678"), WriteResult::Written);
    QCOMPARE(writeToFile(seam, "12345678"), WriteResult::DiskFull);
    QCOMPARE(writeToFile(seam, "1"), WriteResult::DiskFull);
    setWritesFailAfterForTests(-1);
    QCOMPARE(writeToFile(seam, "1"), WriteResult::Written);

    QVERIFY(!noRoomForArchives(m_root.path()) || archiveSizeLimit(m_root.path()) == 0);
    setRoomForTests(0);
    QVERIFY(noRoomForArchives(m_root.path()));
    setRoomForTests(5000);
    QCOMPARE(archiveSizeLimit(m_root.path()), qint64(5000));
    QVERIFY(!noRoomForArchives(m_root.path()));
    setRoomForTests(-1);
}

void TestProjectFolders::unpackingOnAFullDiskSaysSo_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("no room for what the archive declares") << "room";
    QTest::newRow("disk fills up while unpacking") << "writes";
}

void TestProjectFolders::unpackingOnAFullDiskSaysSo()
{
    QFETCH(QString, how);
    QVERIFY(writeZip(path("in.zip"), {{"A/A.db3", QByteArray(30000, 'a'), false},
                                      {"A/photo_Room_1.png", QByteArray(30000, 'p'), false}}));
    writeFile(path("zone/target/keep.db3"), "keep");
    const QStringList before = tree(path("zone"));
    if (how == "room")
        setRoomForTests(40000);
    else
        setWritesFailAfterForTests(40000);
    ArchiveFailure failure = ArchiveFailure::None;
    const bool unpacked = extractProjectArchive(path("in.zip"), path("zone/target"), &failure);
    setRoomForTests(-1);
    setWritesFailAfterForTests(-1);
    QVERIFY(!unpacked);
    QCOMPARE(failure, ArchiveFailure::NoRoom);
    QCOMPARE(tree(path("zone")), before);

    // With room again the same archive unpacks.
    QVERIFY(extractProjectArchive(path("in.zip"), path("zone/target"), &failure));
    QCOMPARE(failure, ArchiveFailure::None);
}

QTEST_GUILESS_MAIN(TestProjectFolders)
#include "tst_projectfolders.moc"
