#include "pages/messages/pagesettingmessagemanagermessageinformation.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QSqlQuery>

namespace {

const char defaultPicture[] = "message_01";

QGridLayout *spacedGrid()
{
    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    return grid;
}

} // namespace

PageSettingMessageManagerMessageInformation::PageSettingMessageManagerMessageInformation(const QString &id,
                                                                                         const QString &name,
                                                                                         QWidget *parent)
    : MyDialog(id, name, parent)
{
    setObjectName("PageSettingMessageManagerMessageInformation");

    pushButtonSave = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    pushButtonSave->setObjectName("pushButtonSave");
    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    comboBoxType = new QtMaterialComboBox(nullptr);
    comboBoxType->setObjectName("comboBoxType");
    comboBoxType->setEditable(false);
    QStringList types;
    queryStringList("select message_type_name from tbl_message_type order by message_type asc", "message_type_name",
                    types);
    comboBoxType->addItems(types);
    lineEditNumber = new QtMaterialLineEdit(nullptr);
    lineEditNumber->setObjectName("lineEditNumber");
    lineEditNumber->setValidator(new QIntValidator(lineEditNumber));
    tile = new ManagerItem(MessageTile, 0, QString(), defaultPicture, false, TileGrid::itemColor, 192, 192, nullptr);
    tile->setObjectName("tileIcon");

    auto *fields = spacedGrid();
    fields->addWidget(new QtMaterialLabel(tr("Name"), nullptr), 0, 0);
    fields->addWidget(lineEditName, 1, 0);
    fields->addWidget(new QtMaterialLabel(tr("Type"), nullptr), 2, 0);
    fields->addWidget(comboBoxType, 3, 0);
    fields->addWidget(new QtMaterialLabel(tr("Universal Switch NO"), nullptr), 4, 0);
    fields->addWidget(lineEditNumber, 5, 0);
    fields->setRowStretch(6, 1);

    auto *picture = spacedGrid();
    picture->addWidget(new QtMaterialLabel(tr("Icon"), nullptr), 0, 0);
    picture->addWidget(tile, 1, 0);
    picture->setRowStretch(1, 1);

    auto *page = spacedGrid();
    page->addWidget(pushButtonSave, 0, 0, 1, 2, Qt::AlignRight);
    page->addLayout(fields, 1, 0);
    page->addLayout(picture, 1, 1);
    page->setRowStretch(2, 1);
    setLayout(page);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingMessageManagerMessageInformation::slotsPageEnter);
    connect(pushButtonSave, &QAbstractButton::clicked, this,
            &PageSettingMessageManagerMessageInformation::pushButtonSave_clicked);
    connect(lineEditNumber, &QLineEdit::textChanged, this, &PageSettingMessageManagerMessageInformation::textChanged);
    connect(tile, &ManagerItem::signalsIconEdit, this, &PageSettingMessageManagerMessageInformation::slotsIconEdit);
}

void PageSettingMessageManagerMessageInformation::slotsPageEnter(QString messageId)
{
    if (!isVisible())
        return;
    m_existed = false;
    m_messageId = messageId.toInt();
    lineEditName->clear();
    lineEditNumber->clear();
    tile->setIconName(defaultPicture);
    comboBoxType->setCurrentIndex(0);
    QSqlQuery query = gDatabase.querySql("select * from tbl_message where message_id=?", {m_messageId});
    if (query.next()) {
        lineEditName->setText(query.value("message_remark").toString());
        tile->setIconName(query.value("icon_name").toString());
        comboBoxType->setCurrentIndex(query.value("message_type").toInt() == 1 ? 1 : 0);
        lineEditNumber->setText(QString::number(query.value("universal_switch_no").toInt()));
        m_existed = true;
    }
}

void PageSettingMessageManagerMessageInformation::textChanged(QString text)
{
    if (text.toInt() > 255)
        lineEditNumber->setText("255");
}

void PageSettingMessageManagerMessageInformation::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(IconSelectMessage);
    if (chosen && *chosen != iconName)
        tile->setIconName(*chosen);
}

void PageSettingMessageManagerMessageInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    const int number = lineEditNumber->text().toInt();
    // A switch number is 1 to 255; a negative one would never be raised by a panel.
    if (name.isEmpty() || number <= 0) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    const int type = comboBoxType->currentIndex();
    const QString picture = tile->iconName();
    const QString usedSql = "select id from tbl_message where universal_switch_no=?";

    bool renumbered = false;
    if (!m_existed) {
        if (queryHasRecord(usedSql, {number})) {
            emit gBroadcastSocket.signalsInformation(
                tr("The universal switch no has been used,please input new value!"));
            return;
        }
    } else {
        const int stored = queryIntValue("select universal_switch_no from tbl_message where message_id=?",
                                         {m_messageId}, "universal_switch_no");
        renumbered = number != stored;
        if (renumbered && queryHasRecord(usedSql, {number})) {
            emit gBroadcastSocket.signalsInformation(
                tr("The universal switch no has been used,please input new value!"));
            return;
        }
        if (renumbered) {
            ORVMessageBox box(tr("The universal switch no will be changed,the associated message records will be "
                                 "deleted,are you sure?"),
                              500, 160, false, 2, nullptr);
            if (box.exec() != QDialog::Accepted)
                return;
        }
    }
    if (!store(type, name, picture, number, renumbered)) {
        emit gBroadcastSocket.signalsInformation(tr("The message could not be saved!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::MessageManager), trPageId(PageId::MessageManager),
                                               QString(), QString());
}

bool PageSettingMessageManagerMessageInformation::store(int type, const QString &name, const QString &picture,
                                                        int number, bool renumbered)
{
    if (!gDatabase.beginTransaction())
        return false;
    bool ok = true;
    if (!m_existed) {
        ok = gDatabase.execSql("insert into tbl_message(message_id,message_type,message_remark,icon_name,"
                               "universal_switch_no) values(?,?,?,?,?)",
                               {m_messageId, type, name, picture, number});
    } else {
        if (renumbered) {
            const int id = m_messageId;
            ok = gDatabase.execSql("delete from tbl_message_log where message_id=?", {id});
            // The strip and the room tiles drop the occurrences only once they are gone for good.
            gDatabase.afterCommit([id] { emit gBroadcastSocket.signalsRemoveMessage(id, 3); });
        }
        ok = ok && gDatabase.execSql("update tbl_message set message_type=?,message_remark=?,icon_name=?,"
                                     "universal_switch_no=? where message_id=?",
                                     {type, name, picture, number, m_messageId});
    }
    if (!ok) {
        gDatabase.rollbackTransaction();
        return false;
    }
    // A failed commit rolls back by itself.
    return gDatabase.commitTransaction();
}
