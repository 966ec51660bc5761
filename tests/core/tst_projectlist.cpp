// The project list file: default content, readers, writers, name validation and whole-file replacement.

#include "core/globals.h"
#include "core/projectlist.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeList(const QByteArray &content)
{
    QFile file(projectXmlPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

class TestProjectList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void missingFileReadsNothingAndCreatesNothing();
    void defaultListContent();
    void addedProjectFollowsCurrent();
    void namesAreCaseSensitive();
    void propertyOfUnknownProjectKeepsPreset();
    void setPropertyChangesOnlyThatElement();
    void currentProjectSwitches();
    void removeProjectLeavesCurrent();
    void removeUnknownRewritesUnchanged();
    void removeChecksOnlyTheFirstNameOfEachProject();
    void duplicateNameReadsFirst();
    void elementsFoundAtAnyDepth();
    void unparsableFileCountsAsMissing();
    void listIsReplacedNotTruncated();
    void projectNameValidation_data();
    void projectNameValidation();
    void invalidNamesAreRefused_data();
    void invalidNamesAreRefused();
    void invalidCurrentNameIsNoCurrentProject();
    void rewriteMatchesTheDocumentModel_data();
    void rewriteMatchesTheDocumentModel();
    void settingReplacesWhatTheElementHeld();

private:
    QTemporaryDir m_home;
};

void TestProjectList::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
    gAppDirPath = m_home.path();
    QVERIFY(QDir(m_home.path()).mkpath("database"));
}

void TestProjectList::init()
{
    QFile::remove(projectXmlPath());
}

void TestProjectList::missingFileReadsNothingAndCreatesNothing()
{
    QString name;
    QVERIFY(!getCurrentProjectName(name));
    QVERIFY(name.isEmpty());
    QStringList names;
    QVERIFY(!getProjectNames(names));
    QVERIFY(names.isEmpty());
    QVERIFY(!projectExists("Home"));
    QString value = "preset";
    QVERIFY(!getProjectProperty("Home", "network_type", value));
    QCOMPARE(value, QString("preset"));

    QVERIFY(!addProject("A"));
    QVERIFY(!setCurrentProjectName("A"));
    QVERIFY(!setProjectProperty("Home", "network_type", "1"));
    QVERIFY(!removeProject("Home"));
    QVERIFY(!QFile::exists(projectXmlPath()));
}

void TestProjectList::defaultListContent()
{
    QVERIFY(createProjectXml());
    QCOMPARE(readAll(projectXmlPath()), QByteArray(testenv::defaultProjectList));

    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"Home"});
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));

    QString low, high, type;
    QVERIFY(getProjectProperty("Home", "indoor_temperature_low", low));
    QVERIFY(getProjectProperty("Home", "indoor_temperature_high", high));
    QVERIFY(getProjectProperty("Home", "network_type", type));
    QCOMPARE(low, QString("20"));
    QCOMPARE(high, QString("35"));
    QCOMPARE(type, QString("0"));

    // createProjectXml replaces whatever was there, it doesn't merge.
    QVERIFY(addProject("Second"));
    QVERIFY(createProjectXml());
    QCOMPARE(readAll(projectXmlPath()), QByteArray(testenv::defaultProjectList));
}

void TestProjectList::addedProjectFollowsCurrent()
{
    QVERIFY(createProjectXml());
    QVERIFY(addProject("Second"));

    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, (QStringList{"Home", "Second"}));

    const QByteArray content = readAll(projectXmlPath());
    QVERIFY(content.indexOf("<current>") < content.indexOf("<name>Second</name>"));
    QVERIFY(content.contains("    <project>\n"
                             "        <name>Second</name>\n"
                             "        <indoor_temperature_low>20</indoor_temperature_low>\n"
                             "        <indoor_temperature_high>35</indoor_temperature_high>\n"
                             "        <network_type>0</network_type>\n"
                             "    </project>\n"
                             "</general>\n"));
}

void TestProjectList::namesAreCaseSensitive()
{
    QVERIFY(createProjectXml());
    QVERIFY(projectExists("Home"));
    QVERIFY(!projectExists("home"));
    QVERIFY(addProject("home"));
    QVERIFY(projectExists("home"));
}

void TestProjectList::propertyOfUnknownProjectKeepsPreset()
{
    QVERIFY(createProjectXml());
    QString value = "preset";
    QVERIFY(getProjectProperty("Nowhere", "network_type", value));
    QCOMPARE(value, QString("preset"));
    QVERIFY(getProjectProperty("Home", "no_such_setting", value));
    QCOMPARE(value, QString("preset"));
}

void TestProjectList::setPropertyChangesOnlyThatElement()
{
    QVERIFY(createProjectXml());
    QVERIFY(addProject("Second"));
    const QByteArray before = readAll(projectXmlPath());

    QVERIFY(setProjectProperty("Second", "network_type", "2"));
    QByteArray expected = before;
    const int at = expected.lastIndexOf("<network_type>0</network_type>");
    expected.replace(at, int(qstrlen("<network_type>0</network_type>")), "<network_type>2</network_type>");
    QCOMPARE(readAll(projectXmlPath()), expected);

    // A setting the project doesn't have is not created.
    QVERIFY(setProjectProperty("Second", "no_such_setting", "1"));
    QCOMPARE(readAll(projectXmlPath()), expected);
}

void TestProjectList::currentProjectSwitches()
{
    QVERIFY(createProjectXml());
    QVERIFY(addProject("Second"));
    QVERIFY(setCurrentProjectName("Second"));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Second"));

    // Without a current element nothing is created and the current name is left as the caller preset it.
    writeList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general><project><name>A</name></project></general>\n");
    QVERIFY(setCurrentProjectName("A"));
    QVERIFY(!readAll(projectXmlPath()).contains("current"));
    current.clear();
    QVERIFY(getCurrentProjectName(current));
    QVERIFY(current.isEmpty());
}

void TestProjectList::removeProjectLeavesCurrent()
{
    QVERIFY(createProjectXml());
    QVERIFY(addProject("Second"));
    QVERIFY(removeProject("Home"));
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"Second"});
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
}

void TestProjectList::removeUnknownRewritesUnchanged()
{
    QVERIFY(createProjectXml());
    QVERIFY(removeProject("Nowhere"));
    // A list read back and rewritten states its declaration with single quotes; the rest is the same text.
    QCOMPARE(readAll(projectXmlPath()), QByteArray(testenv::defaultProjectList).replace('"', '\''));
}

void TestProjectList::removeChecksOnlyTheFirstNameOfEachProject()
{
    writeList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<general><project><network_type>1</network_type></project>"
              "<project><name>A</name><name>B</name></project>"
              "<project><name></name><network_type>2</network_type></project>"
              "<project><name>B</name></project></general>\n");
    // A project without a name is not matched by the empty name; the project named so is.
    QVERIFY(removeProject(""));
    QByteArray content = readAll(projectXmlPath());
    QVERIFY(content.contains("<network_type>1</network_type>"));
    QVERIFY(!content.contains("<network_type>2</network_type>"));

    // A second name element is not looked at: the project that starts with B goes, not the one with A.
    QVERIFY(removeProject("B"));
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"A"});
}

void TestProjectList::duplicateNameReadsFirst()
{
    QVERIFY(createProjectXml());
    QVERIFY(setProjectProperty("Home", "network_type", "1"));
    QVERIFY(addProject("Home"));
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, (QStringList{"Home", "Home"}));
    QString type;
    QVERIFY(getProjectProperty("Home", "network_type", type));
    QCOMPARE(type, QString("1"));

    // Removal takes the first of the two.
    QVERIFY(removeProject("Home"));
    QVERIFY(getProjectProperty("Home", "network_type", type));
    QCOMPARE(type, QString("0"));
}

void TestProjectList::elementsFoundAtAnyDepth()
{
    writeList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<general><group><project><indoor_temperature_low>5</indoor_temperature_low><name>Deep</name>"
              "<network_type>1</network_type><network_type>2</network_type></project></group>"
              "<other/><wrap><current><name>Deep</name></current></wrap></general>\n");
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"Deep"});
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Deep"));

    // Settings standing before the name are not read; of several, the last wins.
    QString low = "preset";
    QVERIFY(getProjectProperty("Deep", "indoor_temperature_low", low));
    QCOMPARE(low, QString("preset"));
    QString type;
    QVERIFY(getProjectProperty("Deep", "network_type", type));
    QCOMPARE(type, QString("2"));

    // Every following setting of that name is written.
    QVERIFY(setProjectProperty("Deep", "network_type", "0"));
    QCOMPARE(readAll(projectXmlPath()).count("<network_type>0</network_type>"), 2);
}

void TestProjectList::unparsableFileCountsAsMissing()
{
    writeList("<general><project><name>Broken");
    QStringList names;
    QVERIFY(!getProjectNames(names));
    QString name;
    QVERIFY(!getCurrentProjectName(name));
    QVERIFY(!addProject("A"));
    QCOMPARE(readAll(projectXmlPath()), QByteArray("<general><project><name>Broken"));
}

void TestProjectList::listIsReplacedNotTruncated()
{
    QVERIFY(createProjectXml());
    // A reader that has the old list open keeps seeing all of it: the new list is a new file put in its place,
    // so no moment exists at which the list on disk is half written.
    QFile old(projectXmlPath());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QVERIFY(addProject("Second"));
    QCOMPARE(old.readAll(), QByteArray(testenv::defaultProjectList));
    QVERIFY(projectExists("Second"));

    const QStringList leftovers = QDir(gAppDirPath + "/database").entryList(QDir::Files | QDir::Hidden | QDir::System);
    QCOMPARE(leftovers, QStringList{"project.xml"});
}

void TestProjectList::projectNameValidation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "Home" << true;
    QTest::newRow("inner space") << "Hotel Lake View" << true;
    QTest::newRow("digits") << "143005" << true;
    QTest::newRow("dots inside") << "a..b" << true;
    QTest::newRow("leading dot") << ".hidden" << false;
    QTest::newRow("dot inside and at the end") << "Lake.View." << true;
    QTest::newRow("mixed case") << "hOtEl" << true;
    QTest::newRow("unicode") << QString::fromUtf8("Hôtel 東京") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("only slash") << "/" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("parent path") << "../x" << false;
    QTest::newRow("newline") << "a\nb" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("nul") << QString(QChar(0)) + "a" << false;
    QTest::newRow("escape") << "a\x1b" << false;
    QTest::newRow("delete") << "a\x7f" << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("drive") << "C:" << false;
    QTest::newRow("C1 control") << QString("a") + QChar(0x85) << false;
    QTest::newRow("leading space") << " Home" << true;
    QTest::newRow("trailing space") << "Home " << true;
    QTest::newRow("only spaces") << "   " << true;
    QTest::newRow("arabic") << QString::fromUtf8("فندق") << true;
}

void TestProjectList::projectNameValidation()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isValidProjectName(name), valid);
}

void TestProjectList::invalidNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("parent") << "..";
    QTest::newRow("path") << "../../etc";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("control") << "a\rb";
    QTest::newRow("hidden") << ".tmp";
    QTest::newRow("colon") << "a:b";
}

void TestProjectList::invalidNamesAreRefused()
{
    QFETCH(QString, name);
    QVERIFY(createProjectXml());
    QVERIFY(!addProject(name));
    QVERIFY(!setCurrentProjectName(name));
    QCOMPARE(readAll(projectXmlPath()), QByteArray(testenv::defaultProjectList));
}

void TestProjectList::invalidCurrentNameIsNoCurrentProject()
{
    writeList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<general><project><name>../../outside</name></project><project><name>Good</name></project>"
              "<current><name>../../outside</name></current></general>\n");
    QString current = "preset";
    QVERIFY(!getCurrentProjectName(current));
    QCOMPARE(current, QString("preset"));
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList{"Good"});

    writeList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general><current><name></name></current></general>\n");
    QVERIFY(!getCurrentProjectName(current));
    QCOMPARE(current, QString("preset"));
}

void TestProjectList::rewriteMatchesTheDocumentModel_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("default") << QByteArray(testenv::defaultProjectList);
    QTest::newRow("no declaration") << QByteArray("<general><project><name>A</name></project></general>");
    QTest::newRow("standalone") << QByteArray("<?xml version=\"1.0\" standalone=\"yes\"?><general/>");
    QTest::newRow("comments and instructions")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- list -->\n<?station keep?>\n"
                      "<general><!--first--><project><name>A<!--inside--></name><?pi data?></project>"
                      "</general>\n<!--after-->\n");
    QTest::newRow("markup in text") << QByteArray(
        "<general><project><name>a &lt; b &amp; c ]]&gt; d \" ' &gt; e&#13;</name></project></general>");
    QTest::newRow("cdata") << QByteArray("<general><project><name><![CDATA[<b>&]]></name></project></general>");
    QTest::newRow("attribute") << QByteArray(
        "<general><project id='a \"q\" &lt;&amp;&gt; &#10;&#9;&#13;'><name>A</name></project></general>");
    QTest::newRow("empty and blank elements")
        << QByteArray("<general>\n  <other/>\n  <other></other>\n  <project>\n    <name>   </name>\n  </project>\n"
                      "</general>");
    QTest::newRow("mixed content") << QByteArray(
        "<general><project><name>a<b>c</b>d<i/></name><x>y<!--c-->z</x></project></general>");
    QTest::newRow("deep") << QByteArray("<general><a><b><c><project><name>Deep</name></project></c></b></a></general>");
    QTest::newRow("unicode") << QByteArray("<?xml version='1.0' encoding='UTF-8'?><general><project><name>H\xc3\xb4tel "
                                           "\xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x8f\xa8</name></project></general>");
    QTest::newRow("other encoding") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><general><project><name>H\xf4tel &#x20ac;</name>"
        "</project></general>");
}

// A list read and written back without a change comes out exactly as the document model saves it, which is how
// the station has always written its lists.
void TestProjectList::rewriteMatchesTheDocumentModel()
{
    QFETCH(QByteArray, list);
    QDomDocument model;
    QVERIFY(model.setContent(list, true));
    QByteArray expected;
    {
        QTextStream stream(&expected);
        model.save(stream, 4, QDomNode::EncodingFromDocument);
    }
    writeList(list);
    QVERIFY(removeProject("Nowhere"));
    QCOMPARE(readAll(projectXmlPath()), expected);
}

// A setting or a current name that held more than one text (a comment, an element, text around them) holds
// the new text alone afterwards, as it is read back.
void TestProjectList::settingReplacesWhatTheElementHeld()
{
    writeList("<general><project><name>A</name><network_type><!--note-->1<b/>2</network_type></project>"
              "<current><name><!--note-->A</name></current></general>");
    QVERIFY(setProjectProperty("A", "network_type", "3"));
    QVERIFY(addProject("B"));
    QVERIFY(setCurrentProjectName("B"));
    QString type;
    QVERIFY(getProjectProperty("A", "network_type", type));
    QCOMPARE(type, QString("3"));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("B"));
    const QByteArray content = readAll(projectXmlPath());
    QVERIFY(content.contains("<network_type>3</network_type>"));
    QVERIFY(content.contains("<current>\n        <name>B</name>\n    </current>"));
    QVERIFY(!content.contains("note"));
}

QTEST_GUILESS_MAIN(TestProjectList)
#include "tst_projectlist.moc"
