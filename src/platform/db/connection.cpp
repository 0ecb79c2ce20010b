#include "platform/db/connection.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

#include <atomic>
#include <unistd.h>

namespace {

// Root passes every access() test, so for it a file counts as writable only when its mode
// grants writing to someone: a write-protected database is then refused as it is for users.
bool isWritable(const QFileInfo& info)
{
    if (!info.isWritable())
        return false;
    if (::geteuid() != 0)
        return true;
    return info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
}

// SQLite binds only a few types natively; everything else is normalised here.
QVariant bindable(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (v.typeId()) {
    case QMetaType::Float:
        return QVariant(double(v.toFloat()));
    case QMetaType::Bool:
        return QVariant(qlonglong(v.toBool() ? 1 : 0));
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
        return QVariant(v.toLongLong());
    default:
        return v;
    }
}

void bindAll(QSqlQuery& q, const QVariantList& params)
{
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, bindable(params[i]));
}

QueryRows fetchAll(QSqlQuery& q)
{
    QueryRows out;
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    for (int i = 0; i < n; ++i)
        out.columns << rec.fieldName(i);
    while (q.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            if (!q.isNull(i))
                row[i] = q.value(i);
        out.rows.push_back(std::move(row));
    }
    return out;
}

Error fileError(const QString& path, const QString& what)
{
    return Error{kErrDatabaseFile, QStringLiteral("The database file %1 %2.").arg(path, what)};
}

} // namespace

int QueryRows::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Status Statement::run(const QVariantList& params)
{
    bindAll(*m_query, params);
    if (!m_query->exec())
        return Connection::errorOf(*m_query, QStringLiteral("A statement failed"));
    return {};
}

Status Statement::exec(const QVariantList& params)
{
    Status s = run(params);
    m_query->finish();
    return s;
}

Result<QueryRows> Statement::select(const QVariantList& params)
{
    if (Status s = run(params); !s)
        return s.error();
    QueryRows rows = fetchAll(*m_query);
    m_query->finish();
    return rows;
}

Connection::Connection(QString name, QString path, Mode mode, QSqlDatabase db)
    : m_name(std::move(name)), m_path(std::move(path)), m_mode(mode), m_db(std::move(db))
{
}

Connection::~Connection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

Result<std::unique_ptr<Connection>> Connection::open(const QString& path, Mode mode, const Check& check)
{
    const QFileInfo info(path);
    if (!info.exists())
        return fileError(path, QStringLiteral("does not exist"));
    if (!info.isFile())
        return fileError(path, QStringLiteral("is not a file"));
    if (mode == Mode::ReadWrite) {
        if (!isWritable(info))
            return fileError(path, QStringLiteral("is not writable"));
        if (!isWritable(QFileInfo(info.absolutePath())))
            return fileError(path, QStringLiteral("lies in a folder that is not writable"));
    }

    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("tovi-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(info.absoluteFilePath());
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (mode == Mode::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        const QSqlError e = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return Error{e.nativeErrorCode().toInt(), e.text()};
    }
    std::unique_ptr<Connection> conn(new Connection(name, info.absoluteFilePath(), mode, db));

    // Reading first: a file that is not a database, or one the caller refuses, fails here and is
    // left as it was; the journal mode is switched only on a file that is kept.
    if (auto r = conn->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")); !r)
        return r.error();
    if (check)
        if (Status s = check(*conn); !s)
            return s.error();
    if (mode == Mode::ReadWrite) {
        if (auto b = conn->exec(QStringLiteral("BEGIN IMMEDIATE")); !b)
            return b.error();
        if (auto r = conn->exec(QStringLiteral("ROLLBACK")); !r)
            return r.error();
        if (Result<QVariant> journal = conn->scalar(QStringLiteral("PRAGMA journal_mode=WAL")); !journal)
            return journal.error();
    }
    return conn;
}

QSqlQuery Connection::newQuery() const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    return q;
}

Error Connection::errorOf(const QSqlQuery& query, const QString& what)
{
    const QSqlError e = query.lastError();
    bool ok = false;
    int code = e.nativeErrorCode().toInt(&ok);
    if (!ok || code == 0)
        code = kErrRecordset;
    QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return Error{code, QStringLiteral("%1: %2").arg(what, text)};
}

Result<int> Connection::exec(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = newQuery();
    if (!q.prepare(sql))
        return errorOf(q, QStringLiteral("A statement could not be prepared"));
    bindAll(q, params);
    if (!q.exec())
        return errorOf(q, QStringLiteral("A statement failed"));
    return q.numRowsAffected();
}

Result<QueryRows> Connection::select(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = newQuery();
    if (!q.prepare(sql))
        return errorOf(q, QStringLiteral("A query could not be prepared"));
    bindAll(q, params);
    if (!q.exec())
        return errorOf(q, QStringLiteral("A query failed"));
    QueryRows rows = fetchAll(q);
    if (q.lastError().isValid())
        return errorOf(q, QStringLiteral("A query failed"));
    return rows;
}

Result<QVariant> Connection::scalar(const QString& sql, const QVariantList& params)
{
    Result<QueryRows> r = select(sql, params);
    if (!r)
        return r.error();
    if (r->rows.empty() || r->rows.front().isEmpty())
        return QVariant();
    return r->rows.front().front();
}

Result<Statement> Connection::prepare(const QString& sql)
{
    auto q = std::make_unique<QSqlQuery>(newQuery());
    if (!q->prepare(sql))
        return errorOf(*q, QStringLiteral("A statement could not be prepared"));
    return Statement(std::move(q));
}

Result<qint64> Connection::insert(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = newQuery();
    if (!q.prepare(sql))
        return errorOf(q, QStringLiteral("A statement could not be prepared"));
    bindAll(q, params);
    if (!q.exec())
        return errorOf(q, QStringLiteral("A row could not be added"));
    return q.lastInsertId().toLongLong();
}
