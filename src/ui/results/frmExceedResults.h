#pragma once

#include "ui/common/result_grid_window.h"

// For every constituent of the open analysis, the waste concentrations that exceed the
// delisting limits of the last forward run: the TCLP concentration against the groundwater
// delisting level, the total concentration against the smallest allowable total concentration
// of the surface pathways, each with its limit and limiting pathway.
class frmExceedResults : public ResultGridWindow {
    Q_OBJECT
public:
    frmExceedResults();

protected:
    void setupColumns(GridModel& grid) override;
    void styleRow(GridRowStyle& row) const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;
};
