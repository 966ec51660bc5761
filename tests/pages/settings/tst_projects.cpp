// The project pages: the add-project dialog, the project list with its deletes, and the project information.
// The project list, the folders and the database files are observed directly.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/pagesettingproject.h"
#include "pages/settings/pagesettingprojectinformation.h"
#include "pages/settings/projectadddlg.h"
#include "pages/settings/projectfolderguard.h"
#include "pages/settings/projectsettingitem.h"
#include "pages/settings/projectuploaddlg.h"
#include "resources/stationresources.h"
#include "shell/projectswitch.h"
#include "tests/support/testenv.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Every path below root with its size, so that a change anywhere shows.
QMap<QString, qint64> snapshot(const QString &root)
{
    QMap<QString, qint64> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.insert(it.filePath().mid(root.size()), it.fileInfo().isDir() ? -1 : it.fileInfo().size());
    }
    return files;
}

QString readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Pressed and released inside the widget: what a user's click does.
void click(QWidget *w)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

QList<ProjectSettingItem *> rowsOf(const PageSettingProject &page)
{
    return page.findChildren<ProjectSettingItem *>();
}

} // namespace

class TestProjects : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addMakesAnEmptiedCopy();
    void addRefusesBeforeWriting_data();
    void addRefusesBeforeWriting();
    void addAcceptsANameDifferingInCase();
    void addRefusesACaseTwinWhereCaseIsIgnored();
    void addReplacesAStaleFolder();
    void addNeverReachesOutside_data();
    void addNeverReachesOutside();
    void addFailureUndoesTheEntry_data();
    void addFailureUndoesTheEntry();
    void cancelLeavesEverything();

    void listShowsTheProjects();
    void deleteRemovesEntryAndFolder();
    void deleteLeavesWhatIsNoProjectFolder();
    void deleteOfTheCurrentProjectDoesNothing();
    void deleteSparesTheCurrentFolderWhereCaseIsIgnored();
    void rowPressOpensTheInformation();
    void uploadWantsACheckedRow();
    void addThroughThePageRebuildsTheList();

    void informationShowsTheBounds();
    void informationSave_data();
    void informationSave();

private:
    QString appDir() const { return root->path() + "/app"; }
    QString homeDb() const { return ProjectSwitch::databasePath("Home"); }
    // Runs the dialog with name typed and "Add" pressed; returns its result and toast texts.
    int runAdd(const QString &name, QStringList *toasts = nullptr);

    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> root;
};

void TestProjects::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestProjects::init()
{
    root.reset(new QTemporaryDir);
    gAppDirPath = appDir();
    QVERIFY(QDir().mkpath(appDir() + "/database/Home"));
    QVERIFY(createProjectXml());
    gDatabase.close();
    createDatabaseTables(homeDb());
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_id,region_name) values(1,'North')"));
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) "
                              "values('01-02-03-04-05-06-07-08','ab12','2026-01-01 10:00:00')"));
}

void TestProjects::cleanup()
{
    ProjectAddDlg::setExecHook(nullptr);
    ProjectFolderGuard::setCaseProbe(nullptr);
    gDatabase.close();
    root.reset();
}

int TestProjects::runAdd(const QString &name, QStringList *toasts)
{
    ProjectAddDlg dialog(nullptr);
    QSignalSpy spy(&dialog, &MyDialog::signalsInformation);
    dialog.show();
    dialog.nameField()->setText(name);
    dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
    if (toasts)
        for (const QList<QVariant> &args : spy)
            toasts->append(args.at(0).toString());
    return dialog.result();
}

void TestProjects::addMakesAnEmptiedCopy()
{
    QCOMPARE(runAdd("B"), int(QDialog::Accepted));

    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList({"Home", "B"}));
    for (const auto &[property, value] : {std::pair<QString, QString>{"indoor_temperature_low", "20"},
                                          {"indoor_temperature_high", "35"},
                                          {"network_type", "0"}}) {
        QString read;
        QVERIFY(getProjectProperty("B", property, read));
        QCOMPARE(read, value);
    }
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));

    // Every later query still goes to the current project.
    QCOMPARE(gDatabase.databaseName(), homeDb());
    QVERIFY(queryHasRecord("select * from tbl_region where region_name='North'"));

    const QString copy = appDir() + "/database/B/B.db3";
    QVERIFY(QFileInfo(copy).isFile());
    gDatabase.close();
    gDatabase.setDatabaseName(copy);
    QVERIFY(!queryHasRecord("select * from tbl_region"));
    QVERIFY(queryHasRecord("select * from tbl_ip_port_mac where ip_port_mac='01-02-03-04-05-06-07-08'"));
    QVERIFY(queryHasRecord("select * from tbl_fnt_type"));
    QVERIFY(queryHasRecord("select * from tbl_network"));
}

void TestProjects::addRefusesBeforeWriting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toast");
    QTest::newRow("empty") << ""
                           << "Please enter the complete content";
    QTest::newRow("listed") << "Home"
                            << "The project name has existed";
    QTest::newRow("dot") << "."
                         << "Invalid project name!";
    QTest::newRow("dot dot") << ".."
                             << "Invalid project name!";
    QTest::newRow("slash inside") << "a/b"
                                  << "Invalid project name!";
    QTest::newRow("absolute") << "/x"
                              << "Invalid project name!";
    QTest::newRow("climbing") << "../x"
                              << "Invalid project name!";
    QTest::newRow("backslash") << "a\\b"
                               << "Invalid project name!";
    QTest::newRow("control") << "a\nb"
                             << "Invalid project name!";
}

void TestProjects::addRefusesBeforeWriting()
{
    QFETCH(QString, name);
    QFETCH(QString, toast);
    gDatabase.close();
    const QString xml = readAll(projectXmlPath());
    const QMap<QString, qint64> before = snapshot(root->path());

    QStringList toasts;
    QCOMPARE(runAdd(name, &toasts), 0);
    QCOMPARE(toasts, QStringList({toast}));
    gDatabase.close();
    QCOMPARE(readAll(projectXmlPath()), xml);
    QCOMPARE(snapshot(root->path()), before);
    QCOMPARE(gDatabase.databaseName(), homeDb());
}

void TestProjects::addAcceptsANameDifferingInCase()
{
    ProjectFolderGuard::setCaseProbe([] { return false; });
    QCOMPARE(runAdd("HOME"), int(QDialog::Accepted));
    QVERIFY(projectExists("HOME"));
    QVERIFY(QFileInfo(appDir() + "/database/HOME/HOME.db3").isFile());
    // The probe of this machine's own file system gives the same answer as the seam.
    ProjectFolderGuard::setCaseProbe(nullptr);
    QVERIFY(!ProjectFolderGuard::databaseFolderIgnoresCase());
    QVERIFY(snapshot(appDir() + "/database").keys().filter("case-probe").isEmpty());
}

void TestProjects::addRefusesACaseTwinWhereCaseIsIgnored()
{
    ProjectFolderGuard::setCaseProbe([] { return true; });
    gDatabase.close();
    const QMap<QString, qint64> before = snapshot(root->path());
    QStringList toasts;
    QCOMPARE(runAdd("home", &toasts), 0);
    QCOMPARE(toasts, QStringList({"The project name has existed"}));
    gDatabase.close();
    QCOMPARE(snapshot(root->path()), before);
}

void TestProjects::addReplacesAStaleFolder()
{
    QVERIFY(QDir().mkpath(appDir() + "/database/B/old"));
    QFile stale(appDir() + "/database/B/photo_Room_1.png");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    QCOMPARE(runAdd("B"), int(QDialog::Accepted));
    QCOMPARE(QDir(appDir() + "/database/B").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"B.db3"}));
}

void TestProjects::addNeverReachesOutside_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("leading dot") << ".hidden";
    QTest::newRow("dots inside") << "a..b";
    QTest::newRow("spaces inside") << "Lake View";
}

void TestProjects::addNeverReachesOutside()
{
    // Whatever the name rule allows, only database/<name> and the project list may change.
    QFETCH(QString, name);
    gDatabase.close();
    const QMap<QString, qint64> before = snapshot(root->path());
    const int result = runAdd(name);
    QCOMPARE(result == QDialog::Accepted, isValidProjectName(name));
    gDatabase.close();
    QMap<QString, qint64> after = snapshot(root->path());
    after.insert("/app/database/project.xml", before.value("/app/database/project.xml"));
    after.insert("/app/database/Home/Home.db3", before.value("/app/database/Home/Home.db3"));
    for (const QString &path : after.keys())
        if (path.startsWith("/app/database/" + name + "/") || path == "/app/database/" + name)
            after.remove(path);
    QCOMPARE(after, before);
}

void TestProjects::addFailureUndoesTheEntry_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no database to copy") << "missing source";
    QTest::newRow("a file in the folder's place") << "file";
    QTest::newRow("the folder is a link outside") << "link outside";
    QTest::newRow("the folder is a link to the current project") << "link current";
}

void TestProjects::addFailureUndoesTheEntry()
{
    QFETCH(QString, obstacle);
    const QString folder = appDir() + "/database/B";
    QVERIFY(QDir().mkpath(root->path() + "/outside"));
    QFile keep(root->path() + "/outside/keep.txt");
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("keep");
    keep.close();
    gDatabase.close();
    if (obstacle == "missing source") {
        QVERIFY(QFile::remove(homeDb()));
    } else if (obstacle == "file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
    } else if (obstacle == "link outside") {
        QVERIFY(QFile::link(root->path() + "/outside", folder));
    } else {
        QVERIFY(QFile::link(appDir() + "/database/Home", folder));
    }
    const QMap<QString, qint64> before = snapshot(root->path());

    QStringList toasts;
    QCOMPARE(runAdd("B", &toasts), 0);
    QCOMPARE(toasts, QStringList({"Failed to create the project!"}));
    QCOMPARE(gDatabase.databaseName(), homeDb());
    gDatabase.close();
    QStringList names;
    QVERIFY(getProjectNames(names));
    QCOMPARE(names, QStringList({"Home"}));
    QCOMPARE(snapshot(root->path()), before);
}

void TestProjects::cancelLeavesEverything()
{
    gDatabase.close();
    const QMap<QString, qint64> before = snapshot(root->path());
    for (const char *button : {"pushButtonCancel", "pushButtonClose"}) {
        ProjectAddDlg dialog(nullptr);
        dialog.nameField()->setText("B");
        QTimer::singleShot(0, &dialog, [&dialog, button] {
            QTRY_VERIFY(dialog.isVisible());
            dialog.findChild<QAbstractButton *>(button)->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }
    QCOMPARE(snapshot(root->path()), before);
}

void TestProjects::listShowsTheProjects()
{
    QVERIFY(addProject("B"));
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    QVERIFY(rowsOf(page).isEmpty());
    emit gBroadcastSocket.signalsPageEnter("", "");
    QVERIFY(rowsOf(page).isEmpty()); // a hidden page does not load
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    const QList<ProjectSettingItem *> rows = rowsOf(page);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0)->projectName(), QString("Home"));
    QCOMPARE(rows.at(1)->projectName(), QString("B"));
    QVERIFY(!rows.at(0)->deleteButton());
    QVERIFY(rows.at(1)->deleteButton());
    for (ProjectSettingItem *row : rows)
        QCOMPARE(row->height(), 60);
}

void TestProjects::deleteRemovesEntryAndFolder()
{
    QCOMPARE(runAdd("B"), int(QDialog::Accepted));
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    rowsOf(page).at(1)->deleteButton()->click();
    QVERIFY(!projectExists("B"));
    QVERIFY(!QFileInfo::exists(appDir() + "/database/B"));
    QTRY_COMPARE(rowsOf(page).size(), 1);
    QVERIFY(QFileInfo(homeDb()).isFile());
}

void TestProjects::deleteLeavesWhatIsNoProjectFolder()
{
    // A listed project whose folder is a link: the entry goes, what the link points at stays.
    QVERIFY(QDir().mkpath(root->path() + "/outside/inner"));
    QVERIFY(QFile::link(root->path() + "/outside", appDir() + "/database/B"));
    QVERIFY(addProject("B"));
    const QMap<QString, qint64> outside = snapshot(root->path() + "/outside");
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    rowsOf(page).at(1)->deleteButton()->click();
    QVERIFY(!projectExists("B"));
    QCOMPARE(snapshot(root->path() + "/outside"), outside);
    QVERIFY(QFileInfo(appDir() + "/database/B").isSymLink());
}

void TestProjects::deleteOfTheCurrentProjectDoesNothing()
{
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    gDatabase.close();
    const QMap<QString, qint64> before = snapshot(root->path());
    page.slotsProjectDelete("Home");
    page.slotsProjectDelete("Nobody");
    QCOMPARE(snapshot(root->path()), before);
    QVERIFY(!ProjectFolderGuard::isRemovableProjectFolder("Home"));
}

void TestProjects::deleteSparesTheCurrentFolderWhereCaseIsIgnored()
{
    // On such a file system "home" would name the folder of "Home"; here the two are apart, and the seam
    // makes the guard compare as it would there.
    QVERIFY(QDir().mkpath(appDir() + "/database/home"));
    QVERIFY(addProject("home"));
    ProjectFolderGuard::setCaseProbe([] { return true; });
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    rowsOf(page).at(1)->deleteButton()->click();
    QVERIFY(!projectExists("home"));
    QVERIFY(QFileInfo::exists(appDir() + "/database/home"));

    ProjectFolderGuard::setCaseProbe([] { return false; });
    QVERIFY(ProjectFolderGuard::isRemovableProjectFolder("home"));
}

void TestProjects::rowPressOpensTheInformation()
{
    // A row on its own: a click outside the check box and delete button asks for the project.
    ProjectSettingItem row("B", false, nullptr);
    row.resize(400, 60);
    QSignalSpy edit(&row, &ProjectSettingItem::signalsProjectEdit);
    click(&row);
    QCOMPARE(edit.count(), 1);
    QCOMPARE(edit.at(0).at(0).toString(), QString("B"));
    row.findChild<QtMaterialCheckBox *>()->click();
    QVERIFY(row.isChecked());
    QCOMPARE(edit.count(), 1);

    QVERIFY(addProject("B"));
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    QSignalSpy spy(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    emit rowsOf(page).at(1)->signalsProjectEdit("B");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), QList<QVariant>({"Project Information", "Project Information", "B", ""}));
}

void TestProjects::uploadWantsACheckedRow()
{
    QVERIFY(addProject("B"));
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    QSignalSpy spy(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    auto *upload = page.findChild<QtMaterialFlatButton *>("pushButtonUpload");
    upload->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("Please select database!"));

    rowsOf(page).at(1)->findChild<QtMaterialCheckBox *>()->click();
    QCOMPARE(page.checkedProjectNames(), QStringList({"B"}));
    QStringList sent;
    ProjectUploadDlg::setExecHook([&sent](ProjectUploadDlg &dialog) {
        sent = dialog.projectList;
        return int(QDialog::Rejected);
    });
    upload->click();
    ProjectUploadDlg::setExecHook(nullptr);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(sent, QStringList({"B"}));
    QVERIFY(page.findChild<QtMaterialFlatButton *>("pushButtonDownload"));
}

void TestProjects::addThroughThePageRebuildsTheList()
{
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("", "");
    auto *add = page.findChild<QtMaterialFlatButton *>("pushButtonAddProject");

    ProjectAddDlg::setExecHook([](ProjectAddDlg &) { return int(QDialog::Rejected); });
    add->click();
    QCOMPARE(rowsOf(page).size(), 1);

    ProjectAddDlg::setExecHook([](ProjectAddDlg &dialog) {
        dialog.show();
        dialog.nameField()->setText("B");
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        return dialog.result();
    });
    add->click();
    QTRY_COMPARE(rowsOf(page).size(), 2);
    QCOMPARE(rowsOf(page).at(1)->projectName(), QString("B"));
}

void TestProjects::informationShowsTheBounds()
{
    QVERIFY(addProject("B"));
    QVERIFY(setProjectProperty("B", "indoor_temperature_low", "-3"));
    PageSettingProjectInformation page("Project Information", "Project Information", nullptr);
    page.show();
    auto *low = page.findChild<QtMaterialLineEdit *>("lineEditLow");
    auto *high = page.findChild<QtMaterialLineEdit *>("lineEditHigh");
    auto *name = page.findChild<QtMaterialLineEdit *>("lineEditName");
    QVERIFY(!name->isEnabled());

    emit gBroadcastSocket.signalsPageEnter("Home", "");
    QCOMPARE(name->text(), QString("Home"));
    QCOMPARE(low->text(), QString("20"));
    QCOMPARE(high->text(), QString("35"));
    emit gBroadcastSocket.signalsPageEnter("B", "");
    QCOMPARE(low->text(), QString("-3"));
    emit gBroadcastSocket.signalsPageEnter("Gone", "");
    QCOMPARE(name->text(), QString("Gone"));
    QCOMPARE(low->text(), QString());
    QCOMPARE(high->text(), QString());
}

void TestProjects::informationSave_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("toast"); // empty: stored, back to the list
    QTest::newRow("equal") << "25"
                           << "25"
                           << "";
    QTest::newRow("negative") << "-5"
                              << "10"
                              << "";
    QTest::newRow("leading zero") << "020"
                                  << "21"
                                  << "";
    QTest::newRow("reversed") << "30"
                              << "25"
                              << "Invalid indoor temperature range!";
    QTest::newRow("leading zero reversed") << "020"
                                           << "19"
                                           << "Invalid indoor temperature range!";
    QTest::newRow("empty lower") << ""
                                 << "25"
                                 << "Please input the complete content!";
    QTest::newRow("empty upper") << "20"
                                 << ""
                                 << "Please input the complete content!";
    QTest::newRow("lone minus") << "-"
                                << "25"
                                << "Please input the complete content!";
}

void TestProjects::informationSave()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, toast);
    PageSettingProjectInformation page("Project Information", "Project Information", nullptr);
    page.show();
    emit gBroadcastSocket.signalsPageEnter("Home", "");
    page.findChild<QtMaterialLineEdit *>("lineEditLow")->setText(low);
    page.findChild<QtMaterialLineEdit *>("lineEditHigh")->setText(high);
    QSignalSpy info(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy navigation(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    page.findChild<QtMaterialFlatButton *>("pushButtonSave")->click();

    QString storedLow;
    QString storedHigh;
    getProjectProperty("Home", "indoor_temperature_low", storedLow);
    getProjectProperty("Home", "indoor_temperature_high", storedHigh);
    if (toast.isEmpty()) {
        QCOMPARE(info.count(), 0);
        QCOMPARE(storedLow, low);
        QCOMPARE(storedHigh, high);
        QCOMPARE(navigation.count(), 1);
        QCOMPARE(navigation.at(0), QList<QVariant>({"Project Setting", "Project Setting", "", ""}));
    } else {
        QCOMPARE(info.count(), 1);
        QCOMPARE(info.at(0).at(0).toString(), toast);
        QCOMPARE(storedLow, QString("20"));
        QCOMPARE(storedHigh, QString("35"));
        QCOMPARE(navigation.count(), 0);
    }
}

QTEST_MAIN(TestProjects)
#include "tst_projects.moc"
