#include "data/chemical_table_file.h"

#include "data/file_bytes.h"
#include "data/value_codec.h"

namespace {

Error formatError(const QString& text)
{
    return Error{kErrFormat, text};
}

bool fits(const ColumnDef& column, ValueType type)
{
    if (type == ValueType::Empty || type == ValueType::Null)
        return true;
    if (column.kind == ColumnKind::Text || column.kind == ColumnKind::Memo)
        return type == ValueType::Text;
    return isNumberType(type);
}

}   // namespace

qint64 largestChemicalTableFileBytes()
{
    qint64 row = 0;
    for (const ColumnDef& c : cocsTable().columns)
        row += largestValueBytes(c);
    return kMaxChemicals * row;
}

Result<std::vector<TableRow>> readChemicalTableFileAt(const QString& path)
{
    const Result<QByteArray> bytes = readFileBytes(path, largestChemicalTableFileBytes(), LongerFile::Refuse);
    if (!bytes)
        return bytes.error();
    return readChemicalTableFile(*bytes);
}

Result<std::vector<TableRow>> readChemicalTableFile(QByteArrayView bytes)
{
    const TableDef& table = cocsTable();
    ValueReader in(bytes);
    std::vector<TableRow> rows;
    while (!in.atEnd()) {
        if (qsizetype(rows.size()) == kMaxChemicals)
            return formatError(QStringLiteral("The file holds more than %1 chemicals.").arg(kMaxChemicals));
        TableRow row = emptyRow(table);
        for (size_t c = 0; c < table.columns.size(); ++c) {
            Result<FileValue> v = in.read();
            if (!v)
                return formatError(
                    QStringLiteral("Row %1 of the file: %2").arg(rows.size() + 1).arg(v.error().description));
            if (!fits(table.columns[c], v->type))
                return formatError(QStringLiteral("Row %1 of the file holds a value of the wrong type for %2.")
                                       .arg(rows.size() + 1)
                                       .arg(table.columns[c].name));
            Result<QVariant> stored = fileValueToColumn(table.columns[c], *v);
            if (!stored)
                return formatError(
                    QStringLiteral("Row %1 of the file: %2").arg(rows.size() + 1).arg(stored.error().description));
            row[qsizetype(c)] = *stored;
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        return formatError(QStringLiteral("The file holds no chemicals."));
    return rows;
}

Result<QByteArray> writeChemicalTableFile(const std::vector<TableRow>& rows)
{
    if (qsizetype(rows.size()) > kMaxChemicals)
        return Error{kErrConversion, QStringLiteral("The table holds more than %1 chemicals.").arg(kMaxChemicals)};
    const TableDef& table = cocsTable();
    QByteArray out;
    for (const TableRow& row : rows)
        for (size_t c = 0; c < table.columns.size(); ++c)
            if (Status s = appendColumnValue(out, table.columns[c], row.value(qsizetype(c))); !s)
                return s.error();
    return out;
}
