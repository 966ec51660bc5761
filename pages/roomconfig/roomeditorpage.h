#pragma once
// The editor pages of a room and of a room template, "Edit Room" and "Edit Template": the name and picture at the
// top, a strip of tabs over the device pages below. There is no save button: the name and picture name are
// written whenever the page is left.
//
// What differs between the two stands side by side in one table in the source. An editor is a subclass that
// adds its tab pages in its constructor:
//     addTabPage(tr("Lighting"), "lighting", lighting);
// with setTabLoader telling how the tabs load the room or template on every page enter.

#include "pages/roomconfig/roomentries.h"
#include "shell/mydialog.h"

#include <QList>

#include <functional>

class ManagerItem;
class QGridLayout;
class QtMaterialLabel;
class QtMaterialLineEdit;
class QtMaterialTabs;

struct RoomEditorKind;

class RoomEditorPage : public MyDialog
{
    Q_OBJECT

public:
    RoomEditorPage(const QString &id, const QString &name, RoomConfigKind kind, QWidget *parent);

    // The room or template on the page.
    int editedId() const { return m_editedId; }

protected:
    // Adds a tab with the picture edit_room/icon-room-<icon>.png, and its page, hidden until the tab is chosen.
    void addTabPage(const QString &label, const char *icon, QWidget *page);
    // Called with the id on every page enter, after the name and picture were read.
    void setTabLoader(const std::function<void(int id)> &load);

private slots:
    // prm2 "1" opens the first tab, "0" keeps the current one.
    void slotsPageEnter(QString editedId, QString resetTabs);
    void slotsPageLeave(QString id);
    void slotsIconEdit(QString iconName);
    void currentChanged(int index);
    void labelModifyIcon_pressed();

private:
    const RoomEditorKind &m_kind;
    int m_editedId = 0;
    QtMaterialLineEdit *lineEditName = nullptr;
    ManagerItem *pictureTile = nullptr;
    QtMaterialLabel *labelModifyIcon = nullptr;
    QtMaterialTabs *tabs = nullptr;
    // The tab pages with their labels, in the tab strip's order, and what loads them.
    QList<QPair<QString, QWidget *>> tabPages;
    std::function<void(int id)> loadTabs;
    // The page's grid, whose row under the tab strip holds the tab pages.
    QGridLayout *page = nullptr;
};
