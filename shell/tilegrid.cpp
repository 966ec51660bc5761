#include "shell/tilegrid.h"

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "shell/manageritem.h"

#include <QGridLayout>
#include <QSpacerItem>
#include <QVBoxLayout>

const QColor TileGrid::itemColor(0x1F, 0x29, 0x33);
const QColor TileGrid::addColor(0x3D, 0x53, 0x66);

TileGrid::TileGrid(QtMaterialGroupBox *box, int tileWidth, int tileHeight, QObject *parent)
    : QObject(parent), m_box(box), m_tileWidth(tileWidth), m_tileHeight(tileHeight)
{
}

int TileGrid::columnsFor(int width, int tileWidth)
{
    if (tileWidth <= 0)
        return 1;
    int columns = width / tileWidth;
    if (width % tileWidth == 0)
        --columns;
    return qMax(1, columns);
}

int TileGrid::spacingFor(int width, int tileWidth)
{
    const int columns = columnsFor(width, tileWidth);
    return qMax(0, (width - columns * tileWidth) / (columns + 1));
}

void TileGrid::begin(int width)
{
    // Every tile added to a box on show is shown on its own later, and each such show lays out the whole grid
    // again: thousands of rooms would cost seconds. Built while the box is hidden, the tiles are shown together
    // with it in one pass.
    m_reshow = m_box->isVisible();
    if (m_reshow)
        m_box->hide();
    if (!m_layout) {
        m_columns = columnsFor(width, m_tileWidth);
        m_layout = new QGridLayout;
        m_layout->setSizeConstraint(QLayout::SetNoConstraint);
        m_layout->setHorizontalSpacing(spacingFor(width, m_tileWidth));
        m_layout->setVerticalSpacing(20);
    } else {
        // Taken from the end, the items leave in constant time each; removing the tiles one by one would search
        // the layout for every one of thousands of room cards.
        while (QLayoutItem *item = m_layout->takeAt(m_layout->count() - 1))
            delete item;
        for (const QPointer<QWidget> &tile : qAsConst(m_tiles)) {
            if (!tile)
                continue;
            tile->hide();
            tile->deleteLater();
        }
    }
    m_tiles.clear();
    m_placed.clear();
    m_keptCount = 0;
    // The stretches of the last build would otherwise leave gaps among the new tiles.
    if (m_stretchRow >= 0)
        m_layout->setRowStretch(m_stretchRow, 0);
    if (m_stretchColumn >= 0)
        m_layout->setColumnStretch(m_stretchColumn, 0);
    m_row = 0;
    m_column = 0;
}

void TileGrid::addTile(QWidget *tile)
{
    keepPendingCells();
    m_layout->addWidget(tile, m_row, m_column);
    m_tiles.append(tile);
    nextCell();
}

void TileGrid::nextCell()
{
    if (++m_column >= m_columns) {
        m_column = 0;
        ++m_row;
    }
}

ManagerItem *TileGrid::addItemTile(int kind, int id, const QString &name, const QString &iconName, bool editable)
{
    auto *tile = new ManagerItem(kind, id, name, iconName, editable, itemColor, m_tileWidth, m_tileHeight, nullptr);
    addTile(tile);
    return tile;
}

ManagerItem *TileGrid::addAddTile()
{
    auto *tile = new ManagerItem(AddTile, 0, QString(), QString(), false, addColor, m_tileWidth, m_tileHeight, nullptr);
    addTile(tile);
    return tile;
}

namespace {

// Cells kept for tiles: the size of the tiles they stand for with the spacing between them, and taking their share
// of the spacing around them as tiles do (a plain spacer counts as empty, and the grid leaves no spacing around
// empty cells).
class Placeholder : public QSpacerItem
{
public:
    Placeholder(int w, int h) : QSpacerItem(w, h, QSizePolicy::Fixed, QSizePolicy::Fixed) {}
    bool isEmpty() const override { return false; }
};

} // namespace

void TileGrid::addPlaceholder()
{
    if (m_keptCount == 0) {
        m_keptRow = m_row;
        m_keptColumn = m_column;
    }
    ++m_keptCount;
    nextCell();
}

void TileGrid::keepPendingCells()
{
    int row = m_keptRow;
    int column = m_keptColumn;
    int left = m_keptCount;
    m_keptCount = 0;
    if (left > 0 && column > 0) {
        const int cells = qMin(left, m_columns - column);
        keepCells(row, column, 1, cells);
        left -= cells;
        ++row;
    }
    if (left >= m_columns) {
        const int rows = left / m_columns;
        keepCells(row, 0, rows, m_columns);
        left -= rows * m_columns;
        row += rows;
    }
    if (left > 0)
        keepCells(row, 0, 1, left);
}

void TileGrid::keepCells(int row, int column, int rows, int columns)
{
    const int w = columns * m_tileWidth + (columns - 1) * qMax(0, m_layout->horizontalSpacing());
    const int h = rows * m_tileHeight + (rows - 1) * qMax(0, m_layout->verticalSpacing());
    m_layout->addItem(new Placeholder(w, h), row, column, rows, columns);
}

bool TileGrid::placeTile(QWidget *tile, int row, int column)
{
    if (!m_layout || column < 0 || column >= m_columns)
        return false;
    // Tiles may be placed while the grid is being built.
    keepPendingCells();
    QLayoutItem *held = m_layout->itemAtPosition(row, column);
    const int cell = row * m_columns + column;
    if (!held || !held->spacerItem() || m_placed.contains(cell))
        return false;
    m_placed.insert(cell);
    // The tile stands over the kept cell, which goes on keeping it. Where the grid has already put the cell, the
    // tile stands there at once, before the layout runs again.
    const QRect at = m_layout->cellRect(row, column);
    m_layout->addWidget(tile, row, column);
    m_tiles.append(tile);
    if (at.isValid() && !at.isEmpty())
        tile->setGeometry(at);
    if (m_box->isVisible())
        tile->show();
    return true;
}

void TileGrid::finish()
{
    keepPendingCells();
    const int rowsUsed = m_column != 0 ? m_row + 1 : m_row;
    // The column right after the tiles of a short single row; otherwise (no tile, a full row, several rows) the
    // column after the last one.
    m_stretchColumn = rowsUsed == 1 && m_column != 0 ? m_column : m_columns;
    m_stretchRow = rowsUsed;
    m_layout->setColumnStretch(m_stretchColumn, 1);
    m_layout->setRowStretch(m_stretchRow, 1);
    if (m_box->layout() != m_layout)
        m_box->setLayout(m_layout);
    if (m_reshow)
        m_box->show();
    m_reshow = false;
}

QList<QWidget *> TileGrid::tiles() const
{
    QList<QWidget *> list;
    for (const QPointer<QWidget> &tile : m_tiles) {
        if (tile)
            list.append(tile);
    }
    return list;
}

QtMaterialGroupBox *addTileCanvas(QWidget *owner)
{
    auto *box = new QtMaterialGroupBox(QString(), nullptr);
    box->setObjectName("groupBoxTiles");
    box->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(owner);
    canvas->setWidget(box);
    canvas->setWidgetResizable(true);
    auto *layout = new QVBoxLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(canvas);
    owner->setLayout(layout);
    return box;
}
