#include "pages/pickers/iconselectdlg.h"

#include "materialwidgets/qtmaterialgroupbox.h"
#include "shell/chooserparts.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

namespace {

IconSelectDlg::ExecHook &execHook()
{
    static IconSelectDlg::ExecHook hook;
    return hook;
}

QStringList numbered(const char *format, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QString::asprintf(format, i);
    return names;
}

} // namespace

IconSelectDlg::IconSelectDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("IconSelectDlg");
    setWindowTitle(tr("Select Image"));
    makeFramelessPanel();
    groupBox = addChooserFrame(this, "groupBoxIcons");
    setMinimumSize(800, 600);
}

PictureFamily IconSelectDlg::family(int iconType)
{
    switch (iconType) {
    case IconSelect3DView:
        return {numbered("3d_view_%02d", 8), View3DTile, 300, 160};
    case IconSelectMessage:
        return {numbered("message_%02d", 11), MessageTile, 192, 192};
    case IconSelectLight:
        return {numbered("light_%02d_on", 52), LightTile, 192, 192};
    case IconSelectMood:
        return {numbered("moods_%d", 23), MoodTile, 300, 160};
    default:
        return {numbered("room_%d", 52), RoomTile, 300, 160};
    }
}

void IconSelectDlg::initIcons()
{
    if (grid)
        return;
    const PictureFamily shown = family(iconType);
    grid = new TileGrid(groupBox, shown.tileWidth, shown.tileHeight, this);
    grid->begin(width());
    for (const QString &name : shown.names) {
        ManagerItem *tile = grid->addItemTile(shown.tileKind, 0, QString(), name, false);
        connect(tile, &ManagerItem::signalsIconEdit, this, &IconSelectDlg::slotsIconEdit);
    }
    grid->finish();
}

QList<ManagerItem *> IconSelectDlg::tiles() const
{
    QList<ManagerItem *> list;
    if (grid) {
        for (QWidget *tile : grid->tiles())
            list << static_cast<ManagerItem *>(tile);
    }
    return list;
}

void IconSelectDlg::slotsIconEdit(QString name)
{
    iconName = name;
    accept();
}

int IconSelectDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void IconSelectDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void IconSelectDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
