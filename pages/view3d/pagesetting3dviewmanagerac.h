#pragma once
// The placement tab of a room's air conditioners (numbers 0 and 1): one marker per device with the kind's icon and the
// device's remark.

#include "pages/view3d/placementtab.h"
#include "pages/view3d/positionrecords.h"

class PageSetting3DViewManagerAC : public PlacementTabOf<airConditionerPositionRecord>
{
    Q_OBJECT

public:
    explicit PageSetting3DViewManagerAC(QWidget *parent);

protected:
    void appendRecord(const QSqlQuery &row) override;
    int keyAt(int index) const override;
    QString textAt(int index) const override;
    QString iconPathAt(int index) const override;
};
