#pragma once
// "Home", the start page: the strip of navigation tiles and room cards, and below it the four device-kind cards
// that open the pages "Lighting", "AC", "Floor Heat" and "Moods".

#include "shell/mydialog.h"

class HomeManagerItem;
class QGridLayout;
class QtMaterialGroupBox;

class PageHome : public MyDialog
{
    Q_OBJECT

public:
    PageHome(const QString &id, const QString &name, QWidget *parent);

    HomeManagerItem *strip() const { return homeManager; }
    QtMaterialGroupBox *deviceKindBox() const { return groupBoxItems; }

    static const int deviceKindCardSize = 192;

public slots:
    // Reloads the room cards when Home is the page entered.
    void slotsPageEnter();

private:
    // The device-kind cards, placed for the screen width; the returned layout belongs to the card box.
    QGridLayout *loadItems();

    HomeManagerItem *homeManager;
    QtMaterialGroupBox *groupBoxItems;
};
