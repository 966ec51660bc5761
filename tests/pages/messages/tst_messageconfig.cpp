// The panel messages in the station's window: the manager's tiles, the editor's checks and its confirmation of a
// new switch number, deletion with the logged occurrences, failed writes that change nothing, and a new message
// that a simulated wall panel then raises.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/messages/messageitem.h"
#include "pages/messages/pagesettingmessagemanager.h"
#include "pages/messages/pagesettingmessagemanagermessageinformation.h"
#include "pages/pickers/iconselectdlg.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"
#include "tests/pages/messages/stationpages.h"
#include "tests/support/simulatedwallpanel.h"

#include <QGridLayout>

using namespace messagefixture;

namespace {

constexpr int tick = 20;

struct Definition
{
    int type = -1;
    QString name;
    QString icon;
    int switchNo = -1;
    bool operator==(const Definition &o) const
    {
        return type == o.type && name == o.name && icon == o.icon && switchNo == o.switchNo;
    }
};

Definition definition(int messageId)
{
    Definition d;
    QSqlQuery q = gDatabase.querySql("select * from tbl_message where message_id=?", {messageId});
    if (q.next()) {
        d.type = q.value("message_type").toInt();
        d.name = q.value("message_remark").toString();
        d.icon = q.value("icon_name").toString();
        d.switchNo = q.value("universal_switch_no").toInt();
    }
    return d;
}

int occurrences(int messageId)
{
    return queryIntValue("select count(*) as n from tbl_message_log where message_id=?", {messageId}, "n");
}

void refuse(const QString &when, const QString &table)
{
    QVERIFY(gDatabase.execSql(QString("create trigger refuse_%1_%2 before %1 on %2 begin "
                                      "select raise(abort,'refused'); end")
                                  .arg(when, table)));
}

} // namespace

namespace QTest {
template <> char *toString(const Definition &d)
{
    return qstrdup(QString("%1|%2|%3|%4").arg(d.type).arg(d.name, d.icon).arg(d.switchNo).toUtf8().constData());
}
} // namespace QTest

class TestMessageConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void managerShowsTilesThenTheAddTile();
    void addTileOffersTheLowestFreeId();
    void deleteTakesTheOccurrencesAlong();
    void failedDeleteChangesNothing();
    void incompleteInputIsRefused_data();
    void incompleteInputIsRefused();
    void numberAbove255Becomes255();
    void editorLoadsTheMessage();
    void unknownTypeShowsAndSavesAsService();
    void sameNumberSavesWithoutAsking();
    void numberInUseIsRefused();
    void newNumberAsksFirst();
    void failedWritesChangeNothing_data();
    void failedWritesChangeNothing();
    void pictureComesFromThePicker();
    void newMessageIsRaisedByAWallPanel();

private:
    PageSettingMessageManager *manager() const
    {
        return qobject_cast<PageSettingMessageManager *>(pages.page("Message Manager"));
    }
    PageSettingMessageManagerMessageInformation *editor() const
    {
        return qobject_cast<PageSettingMessageManagerMessageInformation *>(pages.page("Message Information"));
    }
    QList<ManagerItem *> tiles() const
    {
        QList<ManagerItem *> list;
        for (QWidget *tile : manager()->grid()->tiles())
            list << qobject_cast<ManagerItem *>(tile);
        return list;
    }
    ManagerItem *tile(int messageId) const
    {
        for (ManagerItem *t : tiles()) {
            if (t->type() == MessageTile && t->id() == messageId)
                return t;
        }
        return nullptr;
    }
    void edit(const QString &messageId, const QString &name, int type, const QString &number)
    {
        pages.go("Message Information", messageId);
        editor()->findChild<QtMaterialLineEdit *>("lineEditName")->setText(name);
        editor()->findChild<QtMaterialComboBox *>("comboBoxType")->setCurrentIndex(type);
        editor()->findChild<QtMaterialLineEdit *>("lineEditNumber")->setText(number);
    }
    void save() { editor()->findChild<QtMaterialFlatButton *>("pushButtonSave")->click(); }

    StationPages pages;
    qint64 clock = 0;
};

void TestMessageConfig::initTestCase()
{
    pages.prepare();
    MainWindow::setTimerIntervals(tick, tick);
    clock = QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0), Qt::LocalTime).toSecsSinceEpoch();
    GuestRequests::setClock([this] { return clock; });
}

void TestMessageConfig::init()
{
    OPEN_STATION_PAGES(pages);
}

void TestMessageConfig::cleanup()
{
    IconSelectDlg::setExecHook({});
    pages.close();
}

void TestMessageConfig::cleanupTestCase()
{
    GuestRequests::setClock({});
}

void TestMessageConfig::managerShowsTilesThenTheAddTile()
{
    QVERIFY(guestfixture::addMessage(3, 1, "Fire", "message_05", 9));
    pages.go("Message Manager");
    const QList<ManagerItem *> list = tiles();
    QCOMPARE(list.size(), 4);
    QCOMPARE(list.at(0)->id(), 3);
    QCOMPARE(list.at(0)->name(), QString("Fire"));
    QCOMPARE(list.at(0)->iconName(), QString("message_05"));
    QVERIFY(list.at(0)->deleteButton());
    QCOMPARE(list.at(1)->id(), serviceMessage);
    QCOMPARE(list.at(2)->id(), alarmMessage);
    QCOMPARE(list.at(3)->type(), int(AddTile));
    QCOMPARE(list.at(0)->size(), QSize(192, 192));
    QCOMPARE(manager()->grid()->columns(), TileGrid::columnsFor(1920, 192));

    // A narrow screen still has one column.
    QCOMPARE(TileGrid::columnsFor(150, 192), 1);
}

void TestMessageConfig::addTileOffersTheLowestFreeId()
{
    pages.go("Message Manager");
    emit tiles().last()->signalsPressed();
    QCOMPARE(pages.navigations.last(), QString("Message Information/1/"));
    QCOMPARE(editor()->messageId(), 1);
    QVERIFY(!editor()->existed());
    pages.go("Message Manager");
    emit tile(alarmMessage)->signalsPressed();
    QCOMPARE(pages.navigations.last(), QString("Message Information/12/"));
    QVERIFY(editor()->existed());
}

void TestMessageConfig::deleteTakesTheOccurrencesAlong()
{
    addRow(alarmMessage, 1, panelA, roomA);
    addRow(alarmMessage, 1, panelB, roomB);
    const int other = addRow(serviceMessage, 0, panelA, roomA);
    pages.go("Message Manager");
    emit tile(alarmMessage)->deleteButton()->clicked();
    QVERIFY(pages.boxTexts.isEmpty());
    QCOMPARE(definition(alarmMessage).type, -1);
    QCOMPARE(occurrences(alarmMessage), 0);
    QCOMPARE(recordOf(other).id, other);
    QCOMPARE(pages.removals, (QList<QPair<int, int>>{{alarmMessage, 3}}));
    QTRY_VERIFY(!tile(alarmMessage));
    QCOMPARE(tiles().size(), 2);
}

void TestMessageConfig::failedDeleteChangesNothing()
{
    addRow(alarmMessage, 1, panelA, roomA);
    refuse("delete", "tbl_message_log");
    pages.go("Message Manager");
    emit tile(alarmMessage)->deleteButton()->clicked();
    QCOMPARE(pages.toasts, QStringList{"The message could not be saved!"});
    QCOMPARE(definition(alarmMessage).name, QString("Emergency"));
    QCOMPARE(occurrences(alarmMessage), 1);
    QVERIFY(pages.removals.isEmpty());
}

void TestMessageConfig::incompleteInputIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("toast");
    const QString incomplete = "Please input the complete content!";
    QTest::newRow("no name") << ""
                             << "7" << incomplete;
    QTest::newRow("no number") << "Water"
                               << "" << incomplete;
    QTest::newRow("number 0") << "Water"
                              << "0" << incomplete;
    QTest::newRow("negative number") << "Water"
                                     << "-3" << incomplete;
    QTest::newRow("number of another message")
        << "Water" << QString::number(serviceSwitch) << "The universal switch no has been used,please input new value!";
}

void TestMessageConfig::incompleteInputIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, toast);
    const QStringList before = logDump();
    edit("1", name, 0, number);
    save();
    QCOMPARE(pages.toasts, QStringList{toast});
    QCOMPARE(definition(1).type, -1);
    QCOMPARE(queryIntValue("select count(*) as n from tbl_message", "n"), 2);
    QVERIFY(!pages.navigations.last().startsWith("Message Manager"));
    QCOMPARE(logDump(), before);
}

void TestMessageConfig::numberAbove255Becomes255()
{
    pages.go("Message Information", "1");
    auto *number = editor()->findChild<QtMaterialLineEdit *>("lineEditNumber");
    QTest::keyClicks(number, "300");
    QCOMPARE(number->text(), QString("255"));
    number->setText("255");
    QCOMPARE(number->text(), QString("255"));
}

void TestMessageConfig::editorLoadsTheMessage()
{
    pages.go("Message Information", QString::number(alarmMessage));
    QCOMPARE(editor()->findChild<QtMaterialLineEdit *>("lineEditName")->text(), QString("Emergency"));
    QCOMPARE(editor()->findChild<QtMaterialComboBox *>("comboBoxType")->currentIndex(), 1);
    QCOMPARE(editor()->findChild<QtMaterialLineEdit *>("lineEditNumber")->text(), QString::number(alarmSwitch));
    QCOMPARE(editor()->pictureTile()->iconName(), QString("message_02"));

    // The next entry for a new message starts from empty inputs.
    pages.go("Message Information", "1");
    QVERIFY(editor()->findChild<QtMaterialLineEdit *>("lineEditName")->text().isEmpty());
    QCOMPARE(editor()->findChild<QtMaterialComboBox *>("comboBoxType")->currentIndex(), 0);
    QCOMPARE(editor()->pictureTile()->iconName(), QString("message_01"));
}

void TestMessageConfig::unknownTypeShowsAndSavesAsService()
{
    QVERIFY(guestfixture::addMessage(4, 7, "Odd", "message_04", 40));
    pages.go("Message Information", "4");
    QCOMPARE(editor()->findChild<QtMaterialComboBox *>("comboBoxType")->currentIndex(), 0);
    save();
    QCOMPARE(definition(4), (Definition{0, "Odd", "message_04", 40}));
}

void TestMessageConfig::sameNumberSavesWithoutAsking()
{
    addRow(serviceMessage, 0, panelA, roomA);
    edit(QString::number(serviceMessage), "Fresh towels", 1, QString::number(serviceSwitch));
    save();
    QVERIFY(pages.boxTexts.isEmpty());
    QCOMPARE(definition(serviceMessage), (Definition{1, "Fresh towels", "message_01", serviceSwitch}));
    QCOMPARE(occurrences(serviceMessage), 1);
    QVERIFY(pages.removals.isEmpty());
    QCOMPARE(pages.navigations.last(), QString("Message Manager//"));
    QVERIFY(tile(serviceMessage));
    QCOMPARE(tile(serviceMessage)->name(), QString("Fresh towels"));
}

void TestMessageConfig::numberInUseIsRefused()
{
    edit(QString::number(serviceMessage), "Clean the room", 0, QString::number(alarmSwitch));
    save();
    QCOMPARE(pages.toasts, QStringList{"The universal switch no has been used,please input new value!"});
    QVERIFY(pages.boxTexts.isEmpty());
    QCOMPARE(definition(serviceMessage).switchNo, serviceSwitch);
}

void TestMessageConfig::newNumberAsksFirst()
{
    addRow(serviceMessage, 0, panelA, roomA);
    addRow(serviceMessage, 0, panelB, roomB);
    pages.boxAnswer = QDialog::Rejected;
    edit(QString::number(serviceMessage), "Clean the room", 0, "77");
    save();
    QCOMPARE(pages.boxTexts, QStringList{"The universal switch no will be changed,the associated message records will "
                                         "be deleted,are you sure?"});
    QCOMPARE(definition(serviceMessage).switchNo, serviceSwitch);
    QCOMPARE(occurrences(serviceMessage), 2);
    QVERIFY(!pages.navigations.last().startsWith("Message Manager"));

    pages.boxAnswer = QDialog::Accepted;
    save();
    QCOMPARE(definition(serviceMessage).switchNo, 77);
    QCOMPARE(occurrences(serviceMessage), 0);
    QCOMPARE(occurrences(alarmMessage), 0);
    QCOMPARE(pages.removals, (QList<QPair<int, int>>{{serviceMessage, 3}}));
    QCOMPARE(pages.navigations.last(), QString("Message Manager//"));
}

void TestMessageConfig::failedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("messageId");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("refusedWhen");
    QTest::addColumn<QString>("refusedTable");
    QTest::newRow("insert") << "1"
                            << "7"
                            << "insert"
                            << "tbl_message";
    QTest::newRow("update") << QString::number(serviceMessage) << QString::number(serviceSwitch) << "update"
                            << "tbl_message";
    QTest::newRow("update after the occurrences went") << QString::number(serviceMessage) << "77"
                                                       << "update"
                                                       << "tbl_message";
    QTest::newRow("occurrences") << QString::number(serviceMessage) << "77"
                                 << "delete"
                                 << "tbl_message_log";
}

void TestMessageConfig::failedWritesChangeNothing()
{
    QFETCH(QString, messageId);
    QFETCH(QString, number);
    QFETCH(QString, refusedWhen);
    QFETCH(QString, refusedTable);
    addRow(serviceMessage, 0, panelA, roomA);
    refuse(refusedWhen, refusedTable);
    const Definition before = definition(serviceMessage);
    const QStringList log = logDump();
    edit(messageId, "It's \"new\"", 1, number);
    save();
    QCOMPARE(pages.toasts, QStringList{"The message could not be saved!"});
    QCOMPARE(definition(serviceMessage), before);
    QCOMPARE(definition(1).type, -1);
    QCOMPARE(logDump(), log);
    QVERIFY(pages.removals.isEmpty());
    QVERIFY(!pages.navigations.last().startsWith("Message Manager"));
    QCOMPARE(editor()->findChild<QtMaterialLineEdit *>("lineEditName")->text(), QString("It's \"new\""));
}

void TestMessageConfig::pictureComesFromThePicker()
{
    int family = -1;
    IconSelectDlg::setExecHook([&family](IconSelectDlg &picker) {
        family = picker.iconType;
        emit picker.tiles().at(2)->signalsPressed();
        return picker.result();
    });
    edit("1", "Bell's ring", 0, "8");
    emit editor()->pictureTile()->signalsPressed();
    QCOMPARE(family, int(IconSelectMessage));
    QCOMPARE(editor()->pictureTile()->iconName(), QString("message_03"));

    // Closing the picker keeps the picture.
    IconSelectDlg::setExecHook([](IconSelectDlg &) { return int(QDialog::Rejected); });
    emit editor()->pictureTile()->signalsPressed();
    QCOMPARE(editor()->pictureTile()->iconName(), QString("message_03"));
    save();
    QCOMPARE(definition(1), (Definition{0, "Bell's ring", "message_03", 8}));
}

void TestMessageConfig::newMessageIsRaisedByAWallPanel()
{
    SimulatedWallPanel panel(1, 20, BroadcastSocket::UdpPort); // panel A
    QVERIFY(panel.isBound());

    pages.go("Message Manager");
    emit tiles().last()->signalsPressed();
    QCOMPARE(editor()->messageId(), 1);
    editor()->findChild<QtMaterialLineEdit *>("lineEditName")->setText("Water");
    editor()->findChild<QtMaterialComboBox *>("comboBoxType")->setCurrentIndex(0);
    editor()->findChild<QtMaterialLineEdit *>("lineEditNumber")->setText("7");
    save();
    QCOMPARE(definition(1), (Definition{0, "Water", "message_01", 7}));
    QVERIFY(tile(1));

    panel.sendSwitch(7, 1);
    QTRY_COMPARE(panel.answers.size(), 1);
    QTRY_COMPARE(pages.window->pendingGuestRequests().size(), 1);
    QCOMPARE(occurrences(1), 0);
    clock += 20;
    QTRY_COMPARE(occurrences(1), 1);
    const QStringList log = logDump();
    QCOMPARE(log.size(), 1);
    const QStringList row = log.at(0).split('|');
    QCOMPARE(row.mid(1, 7),
             QStringList({"1", "0", "0", QString::number(panelA), QString::number(roomA), "", "2026-12-10 12:00:00"}));
    QTRY_COMPARE(pages.strip()->rows().size(), 1);
    QCOMPARE(pages.strip()->rows().at(0)->messageInfo().message_id, 1);
}

QTEST_MAIN(TestMessageConfig)
#include "tst_messageconfig.moc"
