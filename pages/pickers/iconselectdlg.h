#pragma once
// Modal picker of one family of built-in pictures: a grid of picture tiles; a press on a tile accepts the
// dialog with that tile's picture name.

#include "shell/mydialog.h"

#include <QString>
#include <QStringList>

#include <functional>

class ManagerItem;
class QtMaterialGroupBox;
class TileGrid;

// The families of built-in pictures a picker shows; any other value shows the room pictures.
enum IconSelectKind {
    IconSelectRoom = 0,
    IconSelectRoomTemplate = 1,
    IconSelect3DView = 2,
    IconSelectMessage = 3,
    IconSelectLight = 4,
    IconSelectMood = 5
};

// One family: its picture names in order, and the tiles that show them.
struct PictureFamily
{
    QStringList names;
    int tileKind;
    int tileWidth;
    int tileHeight;
};

class IconSelectDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit IconSelectDlg(QWidget *parent);

    static PictureFamily family(int iconType);

    // The family to show; set before initIcons.
    int iconType = 1;
    // After an accepted run, the picture name of the tile pressed.
    QString iconName;

    // Fills the grid with the family of iconType; called once, before exec() (later calls change nothing).
    void initIcons();
    // The picture tiles, in the family's order.
    QList<ManagerItem *> tiles() const;

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may press a tile (tiles()).
    using ExecHook = std::function<int(IconSelectDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsIconEdit(QString iconName);

private:
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *grid = nullptr;
};
