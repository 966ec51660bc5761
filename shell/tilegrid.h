#pragma once
// The tile grid of every list page, tab, picker and menu: equal tiles packed at the top left of a borderless
// group box, rebuilt whole on every refresh.
//
// How a page uses it:
//     // constructor: the scrolling box, and the grid for 192-wide tiles across the screen
//     groupBox = addTileCanvas(this);
//     grid = new TileGrid(groupBox, 192, 192, this);
//     // each refresh:
//     grid->begin(gScreenWidth);              // first build: the layout; later: the old tiles go
//     for (each row)
//         connectTile(grid->addItemTile(kind, id, name, picture, true));
//     connect(grid->addAddTile(), &ManagerItem::signalsEdit, ...);
//     grid->finish();
//
// Columns are width / tile width, one fewer when the width is an exact multiple of it, and never fewer than one
// (a narrow screen still shows its tiles, one under the other). The horizontal spacing shares what is left of the
// width equally among the columns + 1 gaps; the vertical spacing is 20. The layout and its spacing are made by
// the first build and kept: later builds only replace the tiles. Old tiles are taken out of the layout and
// deleted later, never at once, because the tile whose delete button started the rebuild is still running its
// click handler. Any widget may be a tile (the settings menu uses its cards); ManagerItem tiles get helpers.

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class ManagerItem;
class QGridLayout;
class QtMaterialGroupBox;
class QWidget;

class TileGrid : public QObject
{
    Q_OBJECT

public:
    TileGrid(QtMaterialGroupBox *box, int tileWidth, int tileHeight, QObject *parent);

    static int columnsFor(int width, int tileWidth);
    static int spacingFor(int width, int tileWidth);

    static const QColor itemColor; // #1F2933
    static const QColor addColor;  // #3D5366

    // Starts a build for a grid width (the screen width, or a dialog's own width).
    void begin(int width);
    // Places a tile in the next free cell, left to right.
    void addTile(QWidget *tile);
    // An item tile of this grid's size, in the item colour, placed in the next free cell.
    ManagerItem *addItemTile(int kind, int id, const QString &name, const QString &iconName, bool editable);
    // The add tile (kind 0, id 0, no name or picture, not editable), placed in the next free cell; it belongs last.
    ManagerItem *addAddTile();
    // Keeps the next free cell for a tile made later with placeTile. The cell takes the tile's size, so the layout,
    // the stretches and the scroll range are those of the grid with every tile in place: a grid of thousands
    // makes only the tiles that come into view. Cells kept one after the other are held by a few layout items
    // spanning them (the rows they fill whole, and the part rows at either end), not by one item each.
    void addPlaceholder();
    // Puts tile into a cell a placeholder keeps; false (and nothing done) when no placeholder keeps the cell or a
    // tile was already placed there. A tile placed in a grid on show is shown at once.
    bool placeTile(QWidget *tile, int row, int column);
    // Ends a build: one stretching row below the tiles and one stretching column right of them.
    void finish();

    int columns() const { return m_columns; }
    QGridLayout *layout() const { return m_layout; }
    // The tiles of the current build, in the order they were added or placed.
    QList<QWidget *> tiles() const;

private:
    // Moves on to the next cell, row by row.
    void nextCell();
    // Lays out the cells kept since the last tile: a part row, the whole rows, a part row.
    void keepPendingCells();
    void keepCells(int row, int column, int rows, int columns);

    QtMaterialGroupBox *m_box;
    int m_tileWidth;
    int m_tileHeight;
    QGridLayout *m_layout = nullptr;
    int m_columns = 1;
    int m_row = 0;
    int m_column = 0;
    int m_stretchRow = -1;
    int m_stretchColumn = -1;
    bool m_reshow = false; // the box was on show when the build began
    QList<QPointer<QWidget>> m_tiles;
    // Cells kept by placeholders and not laid out yet: from m_keptRow, m_keptColumn on, m_keptCount of them.
    int m_keptRow = 0;
    int m_keptColumn = 0;
    int m_keptCount = 0;
    // The kept cells a tile was placed in, as row * columns + column.
    QSet<int> m_placed;
};

// Fills owner with a vertically scrolling canvas holding a borderless group box, and returns that box: the frame
// of every grid page and tab.
QtMaterialGroupBox *addTileCanvas(QWidget *owner);
