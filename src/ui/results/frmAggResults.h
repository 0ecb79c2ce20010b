#pragma once

#include "ui/common/result_grid_window.h"

#include <array>

// For every constituent of the open analysis, the hazard index and the cancer risk summed over
// the groundwater pathways, over the surface pathways and over both; then the same summed over
// all constituents, once without the non-detected TCLP concentrations and once with them.
class frmAggResults : public ResultGridWindow {
    Q_OBJECT
public:
    frmAggResults();

    // Groundwater and surface hazard index, groundwater and surface risk.
    using Aggregates = std::array<std::optional<double>, 4>;

protected:
    void setupColumns(GridModel& grid) override;
    QVector<GridStyle> cellStyles() const override;
    void styleRow(GridRowStyle& row) const override;
    QString recordSource() const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    // Sums of the aggregates over constituents; without a value until the first one enters.
    struct Totals {
        bool started = false;
        Aggregates sums;
        void add(const Aggregates& values);
    };

    Totals m_excluding;   // constituents whose TCLP concentration was detected
    Totals m_including;   // every constituent
};
