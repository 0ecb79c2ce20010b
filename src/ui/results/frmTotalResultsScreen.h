#pragma once

#include "ui/results/screen_results_window.h"

// The maximum allowable total concentration of every constituent of the open analysis, the
// smallest positive allowable waste concentration of the surface pathways, beside the waste's
// total concentration, with the allowable concentration of each pathway.
class frmTotalResultsScreen : public ScreenResultsWindow {
    Q_OBJECT
public:
    frmTotalResultsScreen();

protected:
    QString recordSource() const override;
    void setupScreenColumns(GridModel& grid) override;
    QVector<GridStyle> cellStyles() const override;
    void styleRow(GridRowStyle& row) const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;
};
