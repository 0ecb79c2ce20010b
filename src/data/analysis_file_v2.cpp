#include "data/analysis_file_v2.h"

#include "data/analysis_store.h"
#include "data/file_bytes.h"
#include "data/value_codec.h"
#include "platform/db/transaction.h"

#include <QSaveFile>

namespace {

constexpr qsizetype kHeaderSize = 11;
constexpr int kValuesPerConstituent = 32;
constexpr qsizetype kSmallestValue = 2;   // a bare type code

const QString kImportErrorText = QStringLiteral(
    "The program experienced an error while trying to import the version 2.0 file.  Please ensure that the file "
    "is a valid TOVI v.2.0 file.");
const QString kExportErrorText = QStringLiteral("An error occurred while performing the export.  Please try again.");

// The constituent columns a file carries: CHEMCAS to KSW, then LOGKOW.
std::vector<int> fileConstituentColumns()
{
    std::vector<int> cols;
    for (int i = 1; i <= 31; ++i)
        cols.push_back(i);
    cols.push_back(columnOf(siteCocsTable(), QStringLiteral("LOGKOW")));
    return cols;
}

// An imported constituent row before its values are read: its results are 0 until its next run.
TableRow importedConstituentTemplate()
{
    const TableDef& cocs = siteCocsTable();
    TableRow row = emptyRow(cocs);
    QStringList zeroed = forwardResultFields();
    zeroed << QStringLiteral("ECOACUTE");
    for (const QString& name : zeroed) {
        const int c = columnOf(cocs, name);
        row[c] = cocs.columns[size_t(c)].kind == ColumnKind::Text ? QVariant(QStringLiteral("0")) : QVariant(0.0);
    }
    return row;
}

Result<QVariant> readColumn(ValueReader& in, const ColumnDef& column)
{
    Result<FileValue> v = in.read();
    if (!v)
        return v.error();
    return fileValueToColumn(column, *v);
}

Error formatError(const QString& text)
{
    return Error{kErrFormat, text};
}

}   // namespace

bool hasV2Header(QByteArrayView bytes)
{
    return bytes.size() >= kHeaderSize && bytes.first(kHeaderSize) == QByteArrayView(kV2Header, kHeaderSize);
}

qint64 largestV2FileBytes()
{
    const auto rowBytes = [](const TableDef& table, const std::vector<int>& columns) {
        qint64 sum = 0;
        for (int c : columns)
            sum += largestValueBytes(table.columns[size_t(c)]);
        return sum;
    };
    const auto fromSecond = [](const TableDef& table) {
        std::vector<int> columns;
        for (int c = 1; c < int(table.columns.size()); ++c)
            columns.push_back(c);
        return columns;
    };
    return kHeaderSize + rowBytes(siteInfoTable(), fromSecond(siteInfoTable()))
           + rowBytes(wmuInfoTable(), fromSecond(wmuInfoTable())) + 4
           + kMaxConstituents * rowBytes(siteCocsTable(), fileConstituentColumns());
}

Result<AnalysisRows> readV2File(QByteArrayView bytes)
{
    if (!hasV2Header(bytes))
        return formatError(QStringLiteral("The file does not begin with \"Version 2.0\"."));
    ValueReader in(bytes, kHeaderSize);
    AnalysisRows rows;

    const TableDef& site = siteInfoTable();
    for (size_t i = 1; i < site.columns.size(); ++i) {
        Result<QVariant> v = readColumn(in, site.columns[i]);
        if (!v)
            return v.error();
        rows.site[qsizetype(i)] = *v;
    }

    const TableDef& unit = wmuInfoTable();
    for (size_t i = 1; i < unit.columns.size(); ++i) {
        Result<QVariant> v = readColumn(in, unit.columns[i]);
        if (!v)
            return v.error();
        rows.unit[qsizetype(i)] = *v;
    }
    QVariant& unitType = rows.unit[columnOf(unit, QStringLiteral("WMUTYPE"))];
    const QString type = unitType.toString().toUpper();
    if (type != QLatin1String("LF") && type != QLatin1String("SI"))
        return formatError(QStringLiteral("The file holds an unknown waste management unit."));
    unitType = type;

    Result<qint32> count = in.readInt32();
    if (!count)
        return count.error();
    if (*count < 0)
        return formatError(QStringLiteral("The file holds a negative number of constituents."));
    if (*count > kMaxConstituents)
        return formatError(QStringLiteral("The file holds more constituents than an analysis file carries."));
    if (qint64(*count) * kValuesPerConstituent * kSmallestValue > in.remaining())
        return formatError(QStringLiteral("The file ends before its last constituent."));

    const TableDef& cocs = siteCocsTable();
    static const std::vector<int> fileColumns = fileConstituentColumns();
    static const TableRow importedRow = importedConstituentTemplate();
    rows.constituents.reserve(size_t(*count));
    for (qint32 r = 0; r < *count; ++r) {
        TableRow row = importedRow;
        for (int c : fileColumns) {
            Result<QVariant> v = readColumn(in, cocs.columns[size_t(c)]);
            if (!v)
                return v.error();
            row[c] = *v;
        }
        rows.constituents.push_back(std::move(row));
    }
    return rows;
}

Result<QByteArray> encodeV2File(const AnalysisRows& rows)
{
    QByteArray out(kV2Header, kHeaderSize);
    const auto append = [&out](const TableDef& table, const TableRow& row, int column) {
        return appendColumnValue(out, table.columns[size_t(column)], row[column]);
    };
    for (int c = 1; c < int(siteInfoTable().columns.size()); ++c)
        if (Status s = append(siteInfoTable(), rows.site, c); !s)
            return s.error();
    for (int c = 1; c < int(wmuInfoTable().columns.size()); ++c)
        if (Status s = append(wmuInfoTable(), rows.unit, c); !s)
            return s.error();
    if (rows.constituents.size() > size_t(kMaxConstituents))
        return Error{kErrConversion, QStringLiteral("The analysis has too many constituents for the file.")};
    appendInt32(out, qint32(rows.constituents.size()));
    static const std::vector<int> fileColumns = fileConstituentColumns();
    for (const TableRow& row : rows.constituents)
        for (int c : fileColumns)
            if (Status s = append(siteCocsTable(), row, c); !s)
                return s.error();
    return out;
}

Result<QByteArray> v2FileBytes(Connection& conn, qint32 siteKey)
{
    const QVariantList key = {siteKey};
    const QString tail = QStringLiteral("WHERE SITEKEY=? ORDER BY rowid");
    Result<QueryRows> site = conn.select(selectSql(siteInfoTable(), tail), key);
    if (!site)
        return site.error();
    if (site->rows.empty())
        return analysisNotSaved();
    Result<QueryRows> unit = conn.select(selectSql(wmuInfoTable(), tail), key);
    if (!unit)
        return unit.error();
    if (unit->rows.empty())
        return Error{kErrRecordset, QStringLiteral("The analysis has no waste management unit.")};
    Result<QueryRows> cocs = conn.select(selectSql(siteCocsTable(), tail), key);
    if (!cocs)
        return cocs.error();
    AnalysisRows rows;
    rows.site = site->rows.front();
    rows.unit = unit->rows.front();
    rows.constituents = std::move(cocs->rows);
    return encodeV2File(rows);
}

bool ExportV2File(Connection& conn, qint32 siteKey, const QString& path, AnalysisFilePrompts& ui,
                  const std::function<Status()>& checkSource)
{
    if (path.isEmpty())
        return false;
    // The rows are read in one state of the database, the one that the check saw.
    Result<QByteArray> bytes = [&]() -> Result<QByteArray> {
        Transaction tx(conn, Transaction::Kind::Read);
        if (!tx.started())
            return tx.started().error();
        if (checkSource)
            if (Status s = checkSource(); !s)
                return s.error();
        return v2FileBytes(conn, siteKey);
    }();
    // Key 0: no analysis open and none highlighted, a failure of the export itself.
    const int failure = bytes ? 0 : bytes.error().number;
    if ((failure == kErrNotSaved || failure == kErrRowGone || failure == kErrRowChanged) && siteKey != 0) {
        ui.generalError(bytes.error(), QStringLiteral("Unable to Export"));
        return false;
    }
    if (bytes) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit())
            return true;
    }
    ui.message(kExportErrorText, prompt::Information, QStringLiteral("Export Error"));
    return false;
}

void reportV2ImportError(AnalysisFilePrompts& ui)
{
    ui.message(kImportErrorText, prompt::Critical, QStringLiteral("Import Error"));
}

std::optional<AnalysisTreeGroup> importV2Analysis(Connection& conn, const QString& path, AnalysisFilePrompts& ui)
{
    const auto importError = [&ui] {
        reportV2ImportError(ui);
        return std::nullopt;
    };

    const Result<QByteArray> bytes = readFileBytes(path, largestV2FileBytes(), LongerFile::ReadFirstBytes);
    if (!bytes)
        return importError();

    Result<AnalysisRows> rows = readV2File(*bytes);
    if (!rows)
        return importError();

    // The name is compared exactly; a missing name is asked for as a taken one is.
    QVariant& fileName = rows->site[columnOf(siteInfoTable(), QStringLiteral("FILENAME"))];
    bool taken = fileName.toString().isEmpty();
    if (!taken) {
        Result<QueryRows> names = conn.select(QStringLiteral("SELECT FILENAME FROM SITEINFO ORDER BY rowid"));
        if (!names)
            return importError();
        for (const auto& r : names->rows)
            if (r.front().isValid() && r.front().toString() == fileName.toString())
                taken = true;
    }
    if (taken) {
        std::optional<QString> title = ui.askTitle(
            QStringLiteral("Title for Imported v.2.0 Analysis"),
            QStringLiteral("The name of the analysis being imported already exists in the database.  Please enter a "
                           "File Name for TOVI v.2.0 to reference it by."),
            QString());
        if (!title)
            return std::nullopt;
        fileName = *title;
    }

    Result<AnalysisTreeGroup> stored = storeNewAnalysis(conn, std::move(*rows));
    if (!stored)
        return importError();
    return *stored;
}
