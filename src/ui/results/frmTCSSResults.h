#pragma once

#include "ui/common/result_grid_window.h"

#include <array>

// The constituents of the open analysis whose waste exceeds its toxicity characteristic level
// (TCLP concentration), its soil saturation limit (total concentration) or its chronic
// ecological value (predicted ambient concentration): first those with a toxicity
// characteristic level, then those with only a soil saturation limit, then those with only an
// ecological value. A pair that is not exceeded shows "---" in both cells.
class frmTCSSResults : public ResultGridWindow {
    Q_OBJECT
public:
    frmTCSSResults();

protected:
    QString recordSource() const override;
    void setupColumns(GridModel& grid) override;
    void styleRow(GridRowStyle& row) const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    // The rows of the second and third kind, listed after those of the first.
    std::array<QVector<QVector<GridCell>>, 2> m_laterRows;
};
