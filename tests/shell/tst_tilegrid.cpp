// The tile grid: columns and spacing from the width, tiles packed left to right with the add tile last, the
// stretches that keep them at the top left, and rebuilds that keep the layout and defer the old tiles' deletion.

#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"
#include "tests/support/layoutcells.h"

#include <QGridLayout>
#include <QPointer>
#include <QtTest>

class TestTileGrid : public QObject
{
    Q_OBJECT

private slots:
    void metrics_data();
    void metrics();
    void tilesFillRowsWithTheAddTileLast_data();
    void tilesFillRowsWithTheAddTileLast();
    void rebuildKeepsTheLayoutAndDefersDeletion();
    void deleteButtonTileSurvivesItsOwnRebuild();
    void canvasHoldsABorderlessBox();
    void gridOnShowShowsItsTilesTogether();
    void placeholdersKeepTheCellsOfTilesMadeLater();
    void keptCellsTakeAFewLayoutItems();
};

using layoutcells::keptCells;

namespace {

// The box of a 1920-wide grid of 300 x 160 room tiles with every tile made, in owner: what a grid whose cells are
// kept for tiles made later must measure.
QtMaterialGroupBox *fullGridBox(QWidget &owner, int tiles)
{
    QtMaterialGroupBox *box = addTileCanvas(&owner);
    auto *grid = new TileGrid(box, 300, 160, &owner);
    grid->begin(1920);
    for (int i = 1; i <= tiles; ++i)
        grid->addItemTile(RoomTile, i, "r", "room_1", false);
    grid->finish();
    return box;
}

// A tile canvas filling page, which is shown at size; null when the page did not come on screen.
QtMaterialGroupBox *shownTileCanvas(QWidget &page, const QSize &size)
{
    QtMaterialGroupBox *box = addTileCanvas(&page);
    page.resize(size);
    page.show();
    return QTest::qWaitForWindowExposed(&page) ? box : nullptr;
}

} // namespace

void TestTileGrid::metrics_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("tile");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::newRow("templates 1920") << 1920 << 300 << 6 << 17;
    QTest::newRow("templates 1800, a multiple") << 1800 << 300 << 5 << 50;
    QTest::newRow("devices 1920") << 1920 << 192 << 9 << 19;
    QTest::newRow("devices 1366") << 1366 << 192 << 7 << 2;
    QTest::newRow("devices 1792") << 1792 << 192 << 9 << 6;
    QTest::newRow("menu 1920") << 1920 << 256 << 7 << 16;
    QTest::newRow("menu 1792, a multiple") << 1792 << 256 << 6 << 36;
    QTest::newRow("picker cards") << 800 << 300 << 2 << 66;
    QTest::newRow("picker squares") << 800 << 192 << 4 << 6;
    QTest::newRow("narrow: one column") << 200 << 300 << 1 << 0;
    QTest::newRow("narrow devices") << 200 << 192 << 1 << 4;
    QTest::newRow("exactly one tile wide") << 256 << 256 << 1 << 0;
    QTest::newRow("no width") << 0 << 192 << 1 << 0;
}

void TestTileGrid::metrics()
{
    QFETCH(int, width);
    QFETCH(int, tile);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QCOMPARE(TileGrid::columnsFor(width, tile), columns);
    QCOMPARE(TileGrid::spacingFor(width, tile), spacing);

    QtMaterialGroupBox box;
    TileGrid grid(&box, tile, tile, nullptr);
    grid.begin(width);
    grid.addAddTile();
    grid.finish();
    QCOMPARE(grid.columns(), columns);
    QCOMPARE(grid.layout()->horizontalSpacing(), spacing);
    QCOMPARE(grid.layout()->verticalSpacing(), 20);
    QCOMPARE(box.layout(), static_cast<QLayout *>(grid.layout()));
}

void TestTileGrid::tilesFillRowsWithTheAddTileLast_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<QPoint>("addCell");
    QTest::addColumn<int>("stretchColumn");
    QTest::addColumn<int>("stretchRow");
    // 800 wide with 192 tiles: four columns.
    QTest::newRow("only the add tile") << 0 << QPoint(0, 0) << 1 << 1;
    QTest::newRow("one short row") << 2 << QPoint(2, 0) << 3 << 1;
    QTest::newRow("one full row") << 3 << QPoint(3, 0) << 4 << 1;
    QTest::newRow("second row started") << 4 << QPoint(0, 1) << 4 << 2;
    QTest::newRow("two full rows") << 7 << QPoint(3, 1) << 4 << 2;
}

void TestTileGrid::tilesFillRowsWithTheAddTileLast()
{
    QFETCH(int, items);
    QFETCH(QPoint, addCell);
    QFETCH(int, stretchColumn);
    QFETCH(int, stretchRow);

    QtMaterialGroupBox box;
    TileGrid grid(&box, 192, 192, nullptr);
    grid.begin(800);
    for (int i = 1; i <= items; ++i)
        grid.addItemTile(LightTile, i, QString::number(i), "light_01_on", true);
    ManagerItem *add = grid.addAddTile();
    grid.finish();

    QCOMPARE(grid.tiles().size(), items + 1);
    QCOMPARE(grid.tiles().last(), static_cast<QWidget *>(add));
    QCOMPARE(add->type(), int(AddTile));
    QCOMPARE(add->id(), 0);
    QVERIFY(!add->deleteButton());
    QCOMPARE(add->color(), TileGrid::addColor);
    QCOMPARE(add->size(), QSize(192, 192));
    int row, column, rowSpan, columnSpan;
    grid.layout()->getItemPosition(grid.layout()->indexOf(add), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QPoint(column, row), addCell);
    for (int i = 0; i < items; ++i) {
        auto *tile = static_cast<ManagerItem *>(grid.tiles().at(i));
        QCOMPARE(tile->id(), i + 1);
        QCOMPARE(tile->color(), TileGrid::itemColor);
        QVERIFY(tile->deleteButton());
        grid.layout()->getItemPosition(grid.layout()->indexOf(tile), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), QPoint(i % 4, i / 4));
    }
    QVERIFY(stretchColumn < grid.layout()->columnCount());
    QVERIFY(stretchRow < grid.layout()->rowCount());
    for (int c = 0; c < grid.layout()->columnCount(); ++c)
        QCOMPARE(grid.layout()->columnStretch(c), c == stretchColumn ? 1 : 0);
    for (int r = 0; r < grid.layout()->rowCount(); ++r)
        QCOMPARE(grid.layout()->rowStretch(r), r == stretchRow ? 1 : 0);
}

void TestTileGrid::rebuildKeepsTheLayoutAndDefersDeletion()
{
    QtMaterialGroupBox box;
    TileGrid grid(&box, 300, 160, nullptr);
    grid.begin(1920);
    for (int i = 1; i <= 7; ++i)
        grid.addItemTile(RoomTemplateTile, i, "t", "room_1", true);
    grid.addAddTile();
    grid.finish();
    QGridLayout *layout = grid.layout();
    QCOMPARE(layout->rowStretch(2), 1);
    QPointer<QWidget> old = grid.tiles().first();

    // A second build with another width keeps the first build's layout, spacing and column count.
    grid.begin(800);
    grid.addAddTile();
    grid.finish();
    QCOMPARE(grid.layout(), layout);
    QCOMPARE(grid.columns(), 6);
    QCOMPARE(layout->horizontalSpacing(), 17);
    QCOMPARE(grid.tiles().size(), 1);
    QCOMPARE(layout->count(), 1);
    QVERIFY(old);
    QVERIFY(old->isHidden());
    // The stretches follow the tiles: the earlier build's no longer apply.
    QCOMPARE(layout->rowStretch(2), 0);
    QCOMPARE(layout->columnStretch(6), 0);
    QCOMPARE(layout->rowStretch(1), 1);
    QCOMPARE(layout->columnStretch(1), 1);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
}

void TestTileGrid::deleteButtonTileSurvivesItsOwnRebuild()
{
    QtMaterialGroupBox box;
    TileGrid grid(&box, 192, 192, nullptr);
    auto build = [&grid](int count) {
        grid.begin(1920);
        for (int i = 1; i <= count; ++i)
            grid.addItemTile(PanelTile, i, "p", QString(), true);
        grid.addAddTile();
        grid.finish();
    };
    build(2);
    auto *first = static_cast<ManagerItem *>(grid.tiles().first());
    QPointer<ManagerItem> watched = first;
    bool stillThere = false;
    connect(first, &ManagerItem::signalsDelete, this, [&](int, int id) {
        build(1);
        // The handler runs inside the pressed tile's click: it must still be usable here.
        stillThere = watched && watched->id() == id;
    });
    first->deleteButton()->click();
    QVERIFY(stillThere);
    QCOMPARE(grid.tiles().size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watched);
}

void TestTileGrid::canvasHoldsABorderlessBox()
{
    QWidget page;
    QtMaterialGroupBox *box = addTileCanvas(&page);
    QVERIFY(box);
    QCOMPARE(box->styleSheet(), QString("QGroupBox{border:none;}"));
    QVERIFY(box->title().isEmpty());
    QVERIFY(page.isAncestorOf(box));
    QCOMPARE(page.layout()->count(), 1);
}

void TestTileGrid::gridOnShowShowsItsTilesTogether()
{
    QWidget page;
    QtMaterialGroupBox *box = shownTileCanvas(page, QSize(1920, 600));
    QVERIFY(box);
    TileGrid grid(box, 300, 160, nullptr);
    for (int build = 0; build < 2; ++build) {
        grid.begin(1920);
        for (int i = 1; i <= 40; ++i)
            grid.addItemTile(RoomTile, i, "r", "room_1", true);
        grid.addAddTile();
        grid.finish();
        // On show with the box at once, laid out in one pass, not each tile on its own later.
        QVERIFY(box->isVisible());
        for (QWidget *tile : grid.tiles())
            QVERIFY(tile->isVisible());
    }

    // A page that is not on show stays so.
    page.hide();
    grid.begin(1920);
    grid.addAddTile();
    grid.finish();
    QVERIFY(!box->isHidden());
    QVERIFY(!page.isVisible());
}

void TestTileGrid::placeholdersKeepTheCellsOfTilesMadeLater()
{
    // The same seven cells, once with every tile made and once held by placeholders.
    QWidget full;
    QtMaterialGroupBox *fullBox = fullGridBox(full, 7);

    QWidget page;
    QtMaterialGroupBox *box = shownTileCanvas(page, QSize(1920, 600));
    QVERIFY(box);
    TileGrid grid(box, 300, 160, nullptr);
    grid.begin(1920);
    for (int i = 1; i <= 7; ++i)
        grid.addPlaceholder();
    grid.finish();
    QGridLayout *layout = grid.layout();
    // The first row whole and the one cell of the second.
    QCOMPARE(keptCells(layout), 7);
    QCOMPARE(layout->count(), 2);
    QVERIFY(grid.tiles().isEmpty());
    QCOMPARE(box->minimumSizeHint(), fullBox->minimumSizeHint());
    QCOMPARE(box->sizeHint(), fullBox->sizeHint());
    QCOMPARE(layout->rowStretch(2), 1);
    QCOMPARE(layout->columnStretch(6), 1);

    auto *tile = new ManagerItem(RoomTile, 7, "r", "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
    QVERIFY(grid.placeTile(tile, 1, 0));
    QCOMPARE(keptCells(layout), 7);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(grid.tiles(), QList<QWidget *>({tile}));
    QVERIFY(tile->isVisible());
    QCOMPARE(tile->parentWidget(), static_cast<QWidget *>(box));
    // It stands in its cell at once, and the layout keeps it there.
    const QRect cell = layout->cellRect(1, 0);
    QCOMPARE(tile->geometry(), cell);
    layout->activate();
    QCOMPARE(tile->geometry(), cell);
    QCOMPARE(box->sizeHint(), fullBox->sizeHint());

    // Only a placeholder's cell takes a tile.
    auto *stray = new ManagerItem(RoomTile, 8, "r", "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
    QVERIFY(!grid.placeTile(stray, 1, 0));
    QVERIFY(!grid.placeTile(stray, 1, 1));
    QVERIFY(!grid.placeTile(stray, 5, 0));
    QCOMPARE(grid.tiles().size(), 1);
    delete stray;

    // A rebuild takes placed tiles away like any other.
    QPointer<QWidget> placed = tile;
    grid.begin(1920);
    grid.addPlaceholder();
    grid.finish();
    QCOMPARE(layout->count(), 1);
    QVERIFY(placed && placed->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!placed);
}

void TestTileGrid::keptCellsTakeAFewLayoutItems()
{
    // Two tiles, then twenty kept cells in six columns: the rest of the first row, two whole rows and four cells
    // of the fourth. The same grid with every tile made is the reference.
    QWidget full;
    QtMaterialGroupBox *fullBox = fullGridBox(full, 22);

    QWidget page;
    // Wide enough for the grid's margins as well: no cell is narrowed.
    QtMaterialGroupBox *box = shownTileCanvas(page, QSize(1960, 1000));
    QVERIFY(box);
    TileGrid grid(box, 300, 160, nullptr);
    grid.begin(1920);
    grid.addItemTile(RoomTile, 1, "r", "room_1", false);
    grid.addItemTile(RoomTile, 2, "r", "room_1", false);
    for (int i = 0; i < 20; ++i)
        grid.addPlaceholder();
    grid.finish();
    QGridLayout *layout = grid.layout();
    QCOMPARE(keptCells(layout), 20);
    QCOMPARE(layout->count(), 2 + 3);
    QCOMPARE(box->minimumSizeHint(), fullBox->minimumSizeHint());
    QCOMPARE(box->sizeHint(), fullBox->sizeHint());
    QCOMPARE(layout->rowStretch(4), 1);
    QCOMPARE(layout->columnStretch(6), 1);
    layout->activate();

    // Every kept cell takes its tile once, where the full grid has it; the cells past the last kept one take none.
    const QList<QPoint> cells{{2, 0}, {5, 0}, {0, 1}, {3, 2}, {5, 2}, {0, 3}, {3, 3}};
    for (const QPoint &cell : cells) {
        auto *tile = new ManagerItem(RoomTile, 100, "r", "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
        QVERIFY(grid.placeTile(tile, cell.y(), cell.x()));
        QVERIFY(tile->isVisible());
        QCOMPARE(tile->geometry(), layout->cellRect(cell.y(), cell.x()));
        QCOMPARE(tile->geometry().topLeft(),
                 grid.tiles().first()->geometry().topLeft() +
                     QPoint(cell.x() * (300 + layout->horizontalSpacing()), cell.y() * 180));
    }
    layout->activate();
    for (const QPoint &cell : cells) {
        QLayoutItem *placed = nullptr;
        for (int i = 0; i < layout->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            layout->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            if (layout->itemAt(i)->widget() && QPoint(column, row) == cell)
                placed = layout->itemAt(i);
        }
        QVERIFY(placed);
        QCOMPARE(placed->geometry(), layout->cellRect(cell.y(), cell.x()));
    }
    QCOMPARE(box->sizeHint(), fullBox->sizeHint());
    auto *stray = new ManagerItem(RoomTile, 200, "r", "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
    QVERIFY(!grid.placeTile(stray, 0, 0)); // a tile of its own
    QVERIFY(!grid.placeTile(stray, 1, 0)); // placed already
    QVERIFY(!grid.placeTile(stray, 3, 4)); // past the last kept cell
    QVERIFY(!grid.placeTile(stray, 0, 6)); // past the columns
    delete stray;
    QCOMPARE(grid.tiles().size(), 2 + cells.size());
}

QTEST_MAIN(TestTileGrid)
#include "tst_tilegrid.moc"
