#pragma once

#include "engine/common/daf_tables.h"
#include "ui/common/result_grid_window.h"

#include <array>
#include <optional>

// The groundwater-pathway results of every constituent (hazard quotients or risks), with the
// chemical's DAF from the DAF tables, the waste-volume-adjusted DAF, the row aggregate and the
// totals over all constituents.
class GroundwaterResultsWindow : public ResultGridWindow {
    Q_OBJECT
protected:
    struct Layout {
        QString caption;
        QString suffix;            // of the result fields
        QString chemClass;         // handed to the DAF look-up
        bool concentrationFirst;   // column 1 holds the TCLP concentration, else the DAF
        QString pathwayGroupCaption;
        QString aggregateCaption;
        std::array<int, 9> widths;   // twips
    };
    explicit GroundwaterResultsWindow(const Layout& layout);

    void setupColumns(GridModel& grid) override;
    Status prepareLoad(Connection& conn) override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    std::optional<double> lookUpDaf(const ResultRecord& record, std::optional<double> scale,
                                    std::optional<double> aggregate);

    const Layout m_layout;
    QString m_unitType;
    std::optional<DafCurves> m_dafs;
    std::array<RunningTotal, 5> m_totals;   // ingestion, inhalation, adult, child, aggregate
};
