#pragma once

#include "ui/results/screen_results_window.h"

// The groundwater delisting result of every constituent of the open analysis: its TCLP
// concentration, the limiting maximum allowable receptor-well concentration, the DAF that
// belongs to it with and without the waste volume adjustment, the delisting level, and the
// maximum allowable receptor concentration of each groundwater pathway and of the MCL.
class frmTCLPResultsScreen : public ScreenResultsWindow {
    Q_OBJECT
public:
    frmTCLPResultsScreen();

protected:
    void setupScreenColumns(GridModel& grid) override;
    QVector<GridStyle> cellStyles() const override;
    void styleRow(GridRowStyle& row) const override;
    QString recordSource() const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    bool m_detectedRow = false;   // a row that is not a non-detect shows its delisting level
};
