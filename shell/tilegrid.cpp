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

// A cell kept for a tile: sized as the tile, and taking its share of the spacing as the tile will (a plain spacer
// counts as empty, and the grid leaves no spacing around empty cells).
class Placeholder : public QSpacerItem
{
public:
    Placeholder(int w, int h) : QSpacerItem(w, h, QSizePolicy::Fixed, QSizePolicy::Fixed) {}
    bool isEmpty() const override { return false; }
};

} // namespace

void TileGrid::addPlaceholder()
{
    m_layout->addItem(new Placeholder(m_tileWidth, m_tileHeight), m_row, m_column);
    nextCell();
}

bool TileGrid::placeTile(QWidget *tile, int row, int column)
{
    QLayoutItem *held = m_layout ? m_layout->itemAtPosition(row, column) : nullptr;
    if (!held || !held->spacerItem())
        return false;
    // Where the grid has already put the cell: the tile stands there at once, before the layout runs again.
    const QRect cell = held->geometry();
    delete m_layout->takeAt(m_layout->indexOf(held));
    m_layout->addWidget(tile, row, column);
    m_tiles.append(tile);
    if (!cell.isEmpty())
        tile->setGeometry(cell);
    if (m_box->isVisible())
        tile->show();
    return true;
}

void TileGrid::finish()
{
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
