#pragma once

#include "ui/common/result_grid_window.h"

#include <QHash>

// For the open analysis, every chemical property of every constituent whose stored value
// differs from the value the chemical table holds now for the same CAS number.
class frmChngChems : public ResultGridWindow {
    Q_OBJECT
public:
    frmChngChems();

protected:
    void setupColumns(GridModel& grid) override;
    QVector<GridStyle> cellStyles() const override;
    void styleRow(GridRowStyle& row) const override;
    QString recordSource() const override;
    Status prepareLoad(Connection& conn) override;
    QVector<QVector<GridCell>> recordRows(const ResultRecord& record) override;
    void finishLoad(GridModel& grid) override;

private:
    // The chemical table's first row of each CAS number of the analysis, by its NOCASE key.
    QHash<QString, QVector<QVariant>> m_chemicals;
    // The compared properties with their positions in those rows.
    QVector<std::pair<QString, int>> m_properties;
};
