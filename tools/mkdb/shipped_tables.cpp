#include "shipped_tables.h"

#include "csv_reader.h"

#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QtEndian>

namespace {

struct Source {
    const char* file;
    const TableDef& table;
};

// The data files in the order they are loaded.
const std::vector<Source>& sources()
{
    static const std::vector<Source> files = {{"constnts.csv", constntsTable()},
                                              {"cocs.csv", cocsTable()},
                                              {"dafs.csv", dafsTable()}};
    return files;
}

Error failure(const QString& message)
{
    return Error{kErrFormat, message};
}

// Rules the engines rely on beyond the column kinds.
bool checkChemical(const TableDef& table, const QVector<QVariant>& row, QSet<QString>& cas, QString& why)
{
    const QString number = row[table.columnIndex(QStringLiteral("CHEMCAS"))].toString();
    if (number.isEmpty() || number.startsWith(QLatin1Char('x'), Qt::CaseInsensitive)) {
        why = QStringLiteral("the CAS number is empty or begins with x");
        return false;
    }
    if (cas.contains(number)) {
        why = QStringLiteral("the CAS number %1 is listed twice").arg(number);
        return false;
    }
    cas.insert(number);
    const QString cls = row[table.columnIndex(QStringLiteral("CARCNON"))].toString();
    if (cls != QLatin1String("Carcinogen") && cls != QLatin1String("Noncarcinogen")) {
        why = QStringLiteral("CARCNON must be Carcinogen or Noncarcinogen");
        return false;
    }
    const QVariant organic = row[table.columnIndex(QStringLiteral("ORGANIC"))];
    if (!organic.isValid() || (organic.toDouble() != 0 && organic.toDouble() != 1)) {
        why = QStringLiteral("ORGANIC must be 0 or 1");
        return false;
    }
    for (const char* f : {"K", "B", "TAU", "TSTAR"}) {
        if (!row[table.columnIndex(QString::fromLatin1(f))].isValid()) {
            why = QStringLiteral("%1 must hold a number").arg(QString::fromLatin1(f));
            return false;
        }
    }
    return true;
}

Status load(Connection& conn, const QString& dataDir, const Source& source)
{
    const QString path = QDir(dataDir).filePath(QString::fromLatin1(source.file));
    std::vector<CsvRecord> records;
    QString error;
    if (!readCsv(path, records, error))
        return failure(error);
    if (records.empty())
        return failure(QStringLiteral("%1: no header").arg(path));

    const TableDef& table = source.table;
    QStringList expected;
    for (const ColumnDef& c : table.columns)
        expected << c.name;
    if (records.front().cells != expected)
        return failure(QStringLiteral("%1:1: the header must be %2").arg(path, expected.join(QLatin1Char(','))));

    QStringList cols;
    for (const QString& c : expected)
        cols << quotedName(c);
    Result<Statement> insert =
        conn.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                         .arg(table.name, cols.join(QLatin1Char(',')),
                              QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    if (!insert)
        return insert.error();

    const bool chemicals = &table == &cocsTable();
    QSet<QString> cas;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        const QString where = QStringLiteral("%1:%2").arg(path).arg(rec.line);
        if (rec.cells.size() != int(table.columns.size()))
            return failure(QStringLiteral("%1: %2 cells where %3 columns are expected")
                               .arg(where)
                               .arg(rec.cells.size())
                               .arg(table.columns.size()));
        QVector<QVariant> row;
        for (int i = 0; i < rec.cells.size(); ++i) {
            const QString cell = rec.cells[i];
            Result<QVariant> v =
                convertToColumn(table.columns[size_t(i)], cell.isEmpty() ? QVariant() : QVariant(cell));
            if (!v)
                return failure(QStringLiteral("%1: %2").arg(where, v.error().description));
            row << *v;
        }
        QString why;
        if (chemicals && !checkChemical(table, row, cas, why))
            return failure(QStringLiteral("%1: %2").arg(where, why));
        if (Status s = insert->exec(QVariantList(row.begin(), row.end())); !s)
            return failure(QStringLiteral("%1: %2").arg(where, s.error().description));
    }
    if (&table == &constntsTable() && records.size() != 2)
        return failure(QStringLiteral("%1: CONSTNTS needs exactly one row").arg(path));
    return {};
}

}   // namespace

std::vector<const TableDef*> shippedTables()
{
    std::vector<const TableDef*> tables;
    for (const Source& s : sources())
        tables.push_back(&s.table);
    return tables;
}

Result<qint32> buildStamp(const QString& dataDir, qint32 rules)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint32 version = qToBigEndian(rules);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(&version), sizeof version));
    for (const Source& s : sources()) {
        QFile f(QDir(dataDir).filePath(QString::fromLatin1(s.file)));
        if (!f.open(QIODevice::ReadOnly))
            return Error{kErrFile, QStringLiteral("%1 cannot be read").arg(f.fileName())};
        hash.addData(f.readAll());
    }
    const qint32 stamp = qint32(qFromBigEndian<quint32>(hash.result().constData()));
    return stamp == 0 ? 1 : stamp;
}

Result<QStringList> schemaStatements(Connection& conn)
{
    Result<QueryRows> rows =
        conn.select(QStringLiteral("SELECT sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY type, name"));
    if (!rows)
        return rows.error();
    QStringList statements;
    for (const QVector<QVariant>& r : rows->rows)
        statements << r.front().toString();
    return statements;
}

Status buildShippedDatabase(const QString& path, const QString& dataDir)
{
    {
        QFile f(path);
        if (!f.open(QIODevice::NewOnly))
            return Error{kErrFile, QStringLiteral("%1 cannot be created").arg(path)};
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(path);
    if (!conn)
        return conn.error();
    if (Status s = createSchema(**conn); !s)
        return s;
    Result<qint32> stamp = buildStamp(dataDir);
    if (!stamp)
        return stamp.error();
    Transaction tx(**conn);
    if (!tx.started())
        return tx.started();
    for (const Source& s : sources())
        if (Status loaded = load(**conn, dataDir, s); !loaded)
            return loaded;
    if (auto r = (*conn)->exec(QStringLiteral("PRAGMA user_version = %1").arg(*stamp)); !r)
        return r.error();
    if (Status s = tx.commit(); !s)
        return s;
    if (auto r = (*conn)->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")); !r)
        return r.error();
    return {};
}
