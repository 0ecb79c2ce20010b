// mkdb OUT.db DATA_DIR: builds the shipped database from the schema and the CSV files of
// DATA_DIR. Stops with the file and line of the first row that does not fit its table.

#include "csv_reader.h"

#include "data/schema.h"
#include "platform/db/transaction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

struct Source {
    const char* file;
    const TableDef& table;
};

bool fail(const QString& message)
{
    std::fprintf(stderr, "mkdb: %s\n", qPrintable(message));
    return false;
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

bool load(Connection& conn, const QString& dataDir, const Source& source)
{
    const QString path = QDir(dataDir).filePath(QString::fromLatin1(source.file));
    std::vector<CsvRecord> records;
    QString error;
    if (!readCsv(path, records, error))
        return fail(error);
    if (records.empty())
        return fail(QStringLiteral("%1: no header").arg(path));

    const TableDef& table = source.table;
    QStringList expected;
    for (const ColumnDef& c : table.columns)
        expected << c.name;
    if (records.front().cells != expected)
        return fail(QStringLiteral("%1:1: the header must be %2").arg(path, expected.join(QLatin1Char(','))));

    QStringList cols;
    for (const QString& c : expected)
        cols << QLatin1Char('"') + c + QLatin1Char('"');
    Result<Statement> insert =
        conn.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                         .arg(table.name, cols.join(QLatin1Char(',')),
                              QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    if (!insert)
        return fail(insert.error().description);

    const bool chemicals = &table == &cocsTable();
    QSet<QString> cas;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        const QString where = QStringLiteral("%1:%2").arg(path).arg(rec.line);
        if (rec.cells.size() != int(table.columns.size()))
            return fail(QStringLiteral("%1: %2 cells where %3 columns are expected")
                            .arg(where)
                            .arg(rec.cells.size())
                            .arg(table.columns.size()));
        QVector<QVariant> row;
        for (int i = 0; i < rec.cells.size(); ++i) {
            const QString cell = rec.cells[i];
            Result<QVariant> v =
                convertToColumn(table.columns[size_t(i)], cell.isEmpty() ? QVariant() : QVariant(cell));
            if (!v)
                return fail(QStringLiteral("%1: %2").arg(where, v.error().description));
            row << *v;
        }
        QString why;
        if (chemicals && !checkChemical(table, row, cas, why))
            return fail(QStringLiteral("%1: %2").arg(where, why));
        if (Status s = insert->exec(QVariantList(row.begin(), row.end())); !s)
            return fail(QStringLiteral("%1: %2").arg(where, s.error().description));
    }
    if (&table == &constntsTable() && records.size() != 2)
        return fail(QStringLiteral("%1: CONSTNTS needs exactly one row").arg(path));
    return true;
}

bool build(const QString& out, const QString& dataDir)
{
    const QString tmp = out + QStringLiteral(".new");
    QFile::remove(tmp);
    QDir().mkpath(QFileInfo(out).absolutePath());
    {
        QFile f(tmp);
        if (!f.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("%1 cannot be created").arg(tmp));
    }
    {
        Result<std::unique_ptr<Connection>> conn = Connection::open(tmp);
        if (!conn)
            return fail(conn.error().description);
        if (Status s = createSchema(**conn); !s)
            return fail(s.error().description);
        Transaction tx(**conn);
        if (!tx.started())
            return fail(tx.started().error().description);
        for (const Source& s : {Source{"constnts.csv", constntsTable()}, Source{"cocs.csv", cocsTable()},
                                Source{"dafs.csv", dafsTable()}})
            if (!load(**conn, dataDir, s))
                return false;
        if (Status s = tx.commit(); !s)
            return fail(s.error().description);
        if (auto r = (*conn)->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")); !r)
            return fail(r.error().description);
    }
    QFile::remove(tmp + QStringLiteral("-wal"));
    QFile::remove(tmp + QStringLiteral("-shm"));

    // A database that already holds analyses is kept beside the new one, never thrown away.
    if (QFileInfo::exists(out)) {
        bool holdsAnalyses = false;
        if (Result<std::unique_ptr<Connection>> old = Connection::open(out)) {
            Result<QVariant> n = (*old)->scalar(QStringLiteral("SELECT count(*) FROM SITEINFO"));
            holdsAnalyses = !n || n->toLongLong() > 0;
        }
        if (holdsAnalyses) {
            const QString keep = out + QDateTime::currentDateTime().toString(QStringLiteral(".yyyyMMddhhmmss"))
                                 + QStringLiteral(".bak");
            if (!QFile::rename(out, keep))
                return fail(QStringLiteral("%1 holds analyses and cannot be moved aside").arg(out));
            std::fprintf(stderr, "mkdb: the previous database, which holds analyses, is kept as %s\n",
                         qPrintable(keep));
        }
        QFile::remove(out);
        QFile::remove(out + QStringLiteral("-wal"));
        QFile::remove(out + QStringLiteral("-shm"));
    }
    if (!QFile::rename(tmp, out))
        return fail(QStringLiteral("%1 cannot be written").arg(out));
    return true;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkdb OUT.db DATA_DIR\n");
        return 2;
    }
    return build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
