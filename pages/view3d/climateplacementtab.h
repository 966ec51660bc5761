#pragma once
// What the air-conditioner and floor-heating placement tabs share: both list devices of tbl_air_conditioner (each
// its own numbers) by their air_conditioner_no and remark under one icon of the kind, and keep their positions in
// tbl_3d_air_conditioner.

#include "pages/view3d/placementtab.h"
#include "pages/view3d/positionrecords.h"

enum class ClimateKind;
struct ClimateRow;

class ClimatePlacementTab : public PlacementTabOf<airConditionerPositionRecord>
{
    Q_OBJECT

protected:
    // kind: the tab's devices; iconPath: the marker icon every device of the tab shows.
    ClimatePlacementTab(ClimateKind kind, const QString &iconPath, QWidget *parent);

    void appendRecord(const QSqlQuery &row) override;
    void appendDevices(int roomId) override;
    int keyAt(int index) const override;
    QString textAt(int index) const override;
    QString iconPathAt(int index) const override;

private:
    void append(const ClimateRow &row);

    ClimateKind m_kind;
    QString m_iconPath;
};
