#pragma once

#include "ui/common/result_grid_window.h"

// For every constituent of the open analysis, the maximum allowable TCLP concentration with
// the groundwater pathway that limits it and the maximum allowable total concentration with
// the surface pathway that limits it.
class frmLimitResults : public ResultGridWindow {
    Q_OBJECT
public:
    frmLimitResults();

protected:
    void setupColumns(GridModel& grid) override;
    void styleRow(GridRowStyle& row) const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;
};
