#pragma once

#include "platform/db/result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

// Every row of a query, fetched completely. A NULL value is an invalid QVariant.
struct QueryRows {
    QStringList columns;
    std::vector<QVector<QVariant>> rows;

    int columnIndex(const QString& name) const;   // case-insensitive; -1 when absent
};

class Connection;

// A statement prepared once and run many times with new parameters.
class Statement {
public:
    Status exec(const QVariantList& params);
    Result<QueryRows> select(const QVariantList& params);
    int rowsAffected() const { return m_query->numRowsAffected(); }

private:
    friend class Connection;
    explicit Statement(std::unique_ptr<QSqlQuery> query) : m_query(std::move(query)) {}
    Status run(const QVariantList& params);

    std::unique_ptr<QSqlQuery> m_query;
};

// One connection to the program's SQLite file.
class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly };

    // Reads only; runs before anything is written to the file, so a file it refuses stays as it was.
    using Check = std::function<Status(Connection&)>;

    // Refuses a missing file, a file that is not a regular file, a read/write open of a file or
    // folder that is not writable, a file that is not a database, and a file that `check` refuses.
    static Result<std::unique_ptr<Connection>> open(const QString& path, Mode mode = Mode::ReadWrite,
                                                    const Check& check = {});

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& path() const { return m_path; }
    Mode mode() const { return m_mode; }

    Result<int> exec(const QString& sql, const QVariantList& params = {});   // rows affected
    Result<QueryRows> select(const QString& sql, const QVariantList& params = {});
    Result<QVariant> scalar(const QString& sql, const QVariantList& params = {});
    Result<Statement> prepare(const QString& sql);
    Result<qint64> insert(const QString& sql, const QVariantList& params);   // the new rowid

    bool inTransaction() const { return m_depth > 0; }

    // The error of a failed statement, with SQLite's extended result code as its number.
    static Error errorOf(const QSqlQuery& query, const QString& what);

private:
    friend class Transaction;
    Connection(QString name, QString path, Mode mode, QSqlDatabase db);
    QSqlQuery newQuery() const;

    QString m_name;
    QString m_path;
    Mode m_mode;
    QSqlDatabase m_db;
    int m_depth = 0;   // open transactions: the outermost is BEGIN, inner ones are savepoints
};

// SQLite extended result codes the program tells apart.
enum SqliteCode : int {
    kSqliteConstraintUnique = 2067,
    kSqliteNotADb = 26,
};
