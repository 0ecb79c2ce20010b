// mkdb OUT.db DATA_DIR: builds the shipped database from the schema and the CSV files of
// DATA_DIR. Stops with the file and line of the first row that does not fit its table. A
// database at OUT built from the same schema and files is left as it is; another one gives its
// user rows to the new database and is kept beside it as OUT.<date>.bak, or, when they cannot
// be carried, is left in place and the build fails.

#include "csv_reader.h"
#include "user_rows.h"

#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <cstdio>

#include <utime.h>

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
        cols << quotedName(c);
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

// The data files in the order they are loaded.
const std::vector<Source>& sources()
{
    static const std::vector<Source> files = {{"constnts.csv", constntsTable()},
                                              {"cocs.csv", cocsTable()},
                                              {"dafs.csv", dafsTable()}};
    return files;
}

// What a database is built from, by content: the schema's statements and the bytes of the data
// files. Kept as the file's user version, which nothing else reads; never 0, the version of a
// database built before this was kept.
Result<qint32> sourceStamp(Connection& conn, const QString& dataDir)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    Status schema =
        conn.forEachRow(QStringLiteral("SELECT sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY type, name"), {},
                        [&hash](const RowReader& r) -> Status {
                            hash.addData(r.text(0).toUtf8());
                            hash.addData(QByteArrayView("\0", 1));
                            return {};
                        });
    if (!schema)
        return schema.error();
    for (const Source& s : sources()) {
        QFile f(QDir(dataDir).filePath(QString::fromLatin1(s.file)));
        if (!f.open(QIODevice::ReadOnly))
            return Error{kErrDatabaseFile, QStringLiteral("%1 cannot be read").arg(f.fileName())};
        hash.addData(f.readAll());
    }
    const qint32 stamp = qint32(qFromBigEndian<quint32>(hash.result().constData()));
    return stamp == 0 ? 1 : stamp;
}

enum class Previous { None, Current, Carried };

// What becomes of the database at `out`: none there, built from the same sources (kept as it
// is), or another, whose user rows are now carried into `fresh`.
Result<Previous> takeOver(const QString& out, Connection& fresh, qint32 stamp)
{
    if (!QFileInfo::exists(out))
        return Previous::None;
    Result<std::unique_ptr<Connection>> old = Connection::open(out);
    if (!old)
        return old.error();
    Result<QVariant> builtFrom = (*old)->scalar(QStringLiteral("PRAGMA user_version"));
    if (!builtFrom)
        return builtFrom.error();
    if (builtFrom->toInt() == stamp)
        return Previous::Current;
    if (Status s = carryUserRows(**old, fresh); !s)
        return s.error();
    return Previous::Carried;
}

void removeDatabase(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QString::fromLatin1(suffix));
}

// Builds the new database at `tmp` and settles what becomes of the one at `out`; false after
// its message.
bool buildNew(const QString& tmp, const QString& out, const QString& dataDir, Previous& previous)
{
    {
        QFile f(tmp);
        if (!f.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("%1 cannot be created").arg(tmp));
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(tmp);
    if (!conn)
        return fail(conn.error().description);
    if (Status s = createSchema(**conn); !s)
        return fail(s.error().description);
    Transaction tx(**conn);
    if (!tx.started())
        return fail(tx.started().error().description);
    for (const Source& s : sources())
        if (!load(**conn, dataDir, s))
            return false;
    if (Status s = tx.commit(); !s)
        return fail(s.error().description);
    Result<qint32> stamp = sourceStamp(**conn, dataDir);
    if (!stamp)
        return fail(stamp.error().description);
    if (auto r = (*conn)->exec(QStringLiteral("PRAGMA user_version = %1").arg(*stamp)); !r)
        return fail(r.error().description);
    Result<Previous> settled = takeOver(out, **conn, *stamp);
    if (!settled)
        return fail(QStringLiteral("the analyses of %1 cannot be carried into a new database (%2); it is left as "
                                   "it was: move it aside to build a new one")
                        .arg(out, settled.error().description));
    previous = *settled;
    if (auto r = (*conn)->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")); !r)
        return fail(r.error().description);
    return true;
}

// Puts the new database in place of the one at `out`, which is kept as OUT.<date>.bak.
bool install(const QString& tmp, const QString& out, Previous previous)
{
    QString keep;
    if (previous == Previous::Carried) {
        if (QFileInfo(out + QStringLiteral("-wal")).size() > 0)
            return fail(QStringLiteral("%1 is in use by another program; end it and build again").arg(out));
        keep = out + QDateTime::currentDateTime().toString(QStringLiteral(".yyyyMMddhhmmss")) + QStringLiteral(".bak");
        if (!QFile::rename(out, keep))
            return fail(QStringLiteral("%1 cannot be moved aside; it is left as it was").arg(out));
        QFile::remove(out + QStringLiteral("-shm"));
    }
    if (!QFile::rename(tmp, out)) {
        if (!keep.isEmpty())
            QFile::rename(keep, out);
        return fail(QStringLiteral("%1 cannot be written").arg(out));
    }
    if (!keep.isEmpty())
        std::fprintf(stderr,
                     "mkdb: the data files or the schema changed: the analyses with their results, own chemicals "
                     "and DAFs and the change log are carried into the new database; the previous one is kept as "
                     "%s\n",
                     qPrintable(keep));
    return true;
}

bool build(const QString& out, const QString& dataDir)
{
    const QString tmp = out + QStringLiteral(".new");
    removeDatabase(tmp);
    QDir().mkpath(QFileInfo(out).absolutePath());
    Previous previous = Previous::None;
    const bool built = buildNew(tmp, out, dataDir, previous);
    QFile::remove(tmp + QStringLiteral("-wal"));
    QFile::remove(tmp + QStringLiteral("-shm"));
    if (built && previous == Previous::Current) {
        removeDatabase(tmp);
        // Newer than the tool, so the build asks for it again only when the tool or the files change.
        ::utime(QFile::encodeName(out).constData(), nullptr);
        return true;
    }
    if (built && install(tmp, out, previous))
        return true;
    removeDatabase(tmp);
    return false;
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
