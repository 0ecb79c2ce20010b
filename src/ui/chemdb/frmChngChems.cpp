#include "ui/chemdb/frmChngChems.h"

#include "data/property_codes.h"
#include "data/schema.h"
#include "platform/text/ascii_case.h"
#include "ui/chemdb/stored_values.h"

namespace {

const QString kLogKow = QStringLiteral("LOGKOW");

}   // namespace

frmChngChems::frmChngChems()
    : ResultGridWindow(QStringLiteral("List of COCs with Altered Chemical Properties"), QStringLiteral("grdChngChems"))
{
}

void frmChngChems::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 4974},
        {QStringLiteral("CAS Number"), 1879},
        {QStringLiteral("Parameter Modified"), 5927},
        {QStringLiteral("Parameter Symbol"), 2514},
        {QStringLiteral("Parameter Units"), 2328},
        {QStringLiteral("Original Value"), 2011},
        {QStringLiteral("Modified Value"), 2011},
    });
}

QVector<GridStyle> frmChngChems::cellStyles() const
{
    return {};
}

void frmChngChems::styleRow(GridRowStyle&) const {}

QString frmChngChems::recordSource() const
{
    return QStringLiteral("SELECT * FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid");
}

Status frmChngChems::prepareLoad(Connection& conn)
{
    m_chemicals.clear();
    Result<QueryRows> rows = conn.select(
        QStringLiteral("SELECT * FROM COCS WHERE CHEMCAS IN (SELECT CHEMCAS FROM SITECOCS WHERE SITEKEY = ?) "
                       "ORDER BY rowid"),
        recordParameters());
    if (!rows)
        return rows.error();
    m_properties.clear();
    for (const QString& field : chemicalPropertyFields() + QStringList{kLogKow})
        m_properties.push_back({field, rows->columnIndex(field)});
    const int cas = rows->columnIndex(QStringLiteral("CHEMCAS"));
    for (const QVector<QVariant>& row : rows->rows) {
        const QString key = foldAsciiCase(row.value(cas).toString());
        if (!m_chemicals.contains(key))
            m_chemicals.insert(key, row);
    }
    return {};
}

QVector<QVector<GridCell>> frmChngChems::recordRows(const ResultRecord& record)
{
    QVector<QVector<GridCell>> lines;
    const QVariant cas = record.value(QStringLiteral("CHEMCAS"));
    const auto chemical = m_chemicals.constFind(foldAsciiCase(cas.toString()));
    if (cas.isNull() || chemical == m_chemicals.constEnd())
        return lines;
    for (const auto& [field, index] : m_properties) {
        const QVariant original = chemical->value(index);
        const QVariant modified = record.value(field);
        if (!storedValuesDiffer(original, modified))
            continue;
        lines.push_back({GridCell::fromText(record.text(QStringLiteral("CHEMNAME"))),
                         GridCell::fromText(cas.toString()), GridCell::fromText(GetPropertyDescription(field)),
                         GridCell::fromText(GetPropertySymbol(field)), GridCell::fromText(GetPropertyUnits(field)),
                         storedCell(original), storedCell(modified)});
    }
    return lines;
}

void frmChngChems::finishLoad(GridModel& grid)
{
    grid.setColumnWidthTwips(2, grid.columnWidthTwips(2) - 600);
}
