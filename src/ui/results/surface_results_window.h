#pragma once

#include "ui/common/result_grid_window.h"

#include <array>

// The surface-pathway results of every constituent (risks or hazard quotients by the result
// field suffix), their aggregate, and the totals over all constituents.
class SurfaceResultsWindow : public ResultGridWindow {
    Q_OBJECT
protected:
    SurfaceResultsWindow(const QString& caption, const QString& suffix, const QString& pathwayGroupCaption,
                         const QString& aggregateCaption);

    QString recordSource() const override;
    void setupColumns(GridModel& grid) override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    const QString m_suffix;
    const QString m_pathwayGroupCaption;
    const QString m_aggregateCaption;
    std::array<RunningTotal, 6> m_totals;   // the five pathways, then the aggregate
};
