// Project folders and archives: copying, clearing, packing and unpacking, and archives that try to escape.

#include "core/globals.h"
#include "core/projectfolders.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
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
    QString name;
    QByteArray content;
    bool symlink;
};

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
            info.externalAttr = quint32(0120777) << 16;
        }
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
    void linkPointingInsideIsUnpacked();

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

void TestProjectFolders::linkPointingInsideIsUnpacked()
{
    QVERIFY(writeZip(path("in.zip"), {{"A/A.db3", "db", false}, {"A/same", "A.db3", true}}));
    QVERIFY(extractProjectArchive(path("in.zip"), path("target")));
    QVERIFY(QFileInfo(path("target/A/same")).isSymLink());
    QCOMPARE(readAll(path("target/A/same")), QByteArray("db"));
}

QTEST_GUILESS_MAIN(TestProjectFolders)
#include "tst_projectfolders.moc"
