#pragma once
// The placement tab of a room's lights: one marker per light (its own row, rgb 0 or 1) with its on-state icon
// and remark.

#include "pages/view3d/placementtab.h"
#include "pages/view3d/positionrecords.h"

class PageSetting3DViewManagerLighting : public PlacementTabOf<lightPositionRecord>
{
    Q_OBJECT

public:
    explicit PageSetting3DViewManagerLighting(QWidget *parent);

protected:
    void appendRecord(const QSqlQuery &row) override;
    int keyAt(int index) const override;
    QString textAt(int index) const override;
    QString iconPathAt(int index) const override;
};
