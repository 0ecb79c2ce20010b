#pragma once

#include "platform/db/file_access.h"
#include "platform/db/result.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class CheckFolder;

// Every row of a query, fetched completely. A NULL value is an invalid QVariant.
struct QueryRows {
    QStringList columns;
    std::vector<QVector<QVariant>> rows;

    int columnIndex(const QString& name) const;   // case-insensitive; -1 when absent

private:
    friend class Connection;
    QHash<QString, int> m_exact;   // the columns by their names as the query gives them
};

// The index of `name` in `names` ignoring letter case, trying `exact` first; -1 when absent.
int indexOfName(const QStringList& names, const QHash<QString, int>& exact, const QString& name);
// The first place of each name, by the name as written, for indexOfName.
QHash<QString, int> exactNameIndex(const QStringList& names);

class Connection;

// Whether a value binds as NULL: no value, or a null text or byte array.
bool bindsAsNull(const QVariant& value);

// The row of a query that is being read, its values taken straight from SQLite without a copy
// of the row. Valid only inside the call it is handed to.
class RowReader {
public:
    int columnCount() const;
    bool isNull(int column) const;
    // The number of an INTEGER or REAL value; nullopt for NULL, text and bytes.
    std::optional<double> number(int column) const;
    qint64 integer(int column) const;   // 0 for NULL
    QString text(int column) const;     // null for NULL; a number as value(column) writes it
    QVariant value(int column) const;   // the value as select() gives it

private:
    friend class Connection;
    explicit RowReader(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    sqlite3_stmt* m_stmt;
};

// Called for each row of a query in turn; a failure stops the reading and is returned.
using RowHandler = std::function<Status(const RowReader&)>;

// A value to bind held without a QVariant, for statements run once per row of many: NULL, an
// integer, a number or a text (a null text binds as NULL). The text stays the caller's and must
// live until the statement has run.
class BindValue {
public:
    BindValue() = default;
    BindValue(double number) : m_kind(Kind::Number), m_number(number) {}
    BindValue(qint64 integer) : m_kind(Kind::Integer), m_integer(integer) {}
    BindValue(qint32 integer) : m_kind(Kind::Integer), m_integer(integer) {}
    BindValue(const QString& text) : m_kind(text.isNull() ? Kind::Null : Kind::Text), m_text(&text) {}
    BindValue(QString&&) = delete;   // the text would be gone before the statement runs
    BindValue(const std::optional<double>& number) : BindValue()
    {
        if (number)
            *this = BindValue(*number);
    }

private:
    friend class Connection;
    enum class Kind { Null, Integer, Number, Text };
    Kind m_kind = Kind::Null;
    union {
        double m_number = 0;
        qint64 m_integer;
        const QString* m_text;
    };
};

// A statement prepared once and run many times with new parameters. It belongs to its
// connection's cache and must not outlive the connection.
class Statement {
public:
    Status exec(const QVariantList& params);
    Status exec(std::span<const BindValue> params);
    Result<QueryRows> select(const QVariantList& params);

private:
    friend class Connection;
    Statement(Connection& conn, sqlite3_stmt* stmt) : m_conn(&conn), m_stmt(stmt) {}

    Connection* m_conn;
    sqlite3_stmt* m_stmt;
};

// One connection to the program's SQLite file. Statements are prepared once per SQL text and
// kept until the connection closes; every run binds all its parameters and ends with the
// statement reset, so no statement stays open after a call.
class Connection {
public:
    enum class Mode {
        ReadWrite,
        ReadOnly,
        // Reads the file as SQLite reads it after recovery, changing nothing in or beside it: the file
        // alone, without a lock, or, when a log or hot journal lies beside it, the two together on a
        // private copy beside the file that is removed when the connection closes.
        Look,
        // Read/write for this connection alone until it closes: refused (kSqliteBusy) while another
        // connection has the file open. Closing never merges or removes the file's log.
        Exclusive,
    };

    // Reads only. It runs before the file is opened, on a look at it (Mode::Look), so a file it
    // refuses is left as it was with all beside it. Each look first removes the copies' folders
    // that killed looks left beside the file, never one that a running look still uses.
    using Check = std::function<Status(Connection&)>;

    // Refuses a missing file, a file that is not a regular file, a writing open of a file or
    // folder that is not writable, a file that is not a database, and a file that `check` refuses.
    // A link is followed: the file it names is opened. A writing open opens the file that was
    // checked, also when another file is put at the path meanwhile. An open that fails for want of
    // room beside the file (for a look's copy, its index, or the file's log) fails with kSqliteFull.
    static Result<std::unique_ptr<Connection>> open(const QString& path, Mode mode = Mode::ReadWrite,
                                                    const Check& check = {});

    // Whether another program has the database file open now, whatever its pages read as. Closes
    // what it opens, so it must be called while this program holds no connection on the file.
    static bool heldByAnother(const QString& path);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& path() const { return m_path; }
    Mode mode() const { return m_mode; }
    // The file that a writing open opened, as it was checked; none for a look.
    const std::optional<FileIdentity>& file() const { return m_file; }

    Result<int> exec(const QString& sql, const QVariantList& params = {});   // rows affected
    Result<QueryRows> select(const QString& sql, const QVariantList& params = {});
    // Hands each row to `row` as it is read, for reading without holding the rows; `row` must not
    // use this connection. `columns`, when given, receives the column names first.
    Status forEachRow(const QString& sql, const QVariantList& params, const RowHandler& row,
                      QStringList* columns = nullptr);
    Result<QVariant> scalar(const QString& sql, const QVariantList& params = {});
    Result<Statement> prepare(const QString& sql);
    Result<qint64> insert(const QString& sql, const QVariantList& params);   // the new rowid

    bool inTransaction() const { return m_depth > 0; }

private:
    friend class Statement;
    friend class Transaction;
    Connection(sqlite3* db, QString path, Mode mode);
    // `stillChecked`, when given, is asked once the file is open and before anything is read:
    // false closes it again untouched.
    static Result<std::unique_ptr<Connection>> connect(const QString& file, Mode mode, const Check& check,
                                                       const std::function<bool()>& stillChecked = {});
    static Result<std::unique_ptr<Connection>> look(const QString& file, const Check& check);

    Result<sqlite3_stmt*> statement(const QString& sql);
    Status bind(sqlite3_stmt* stmt, const QVariantList& params);
    Status bind(sqlite3_stmt* stmt, std::span<const BindValue> params);
    Status step(sqlite3_stmt* stmt, Status bound, const char* what);
    Status run(sqlite3_stmt* stmt, const QVariantList& params, const char* what);
    Result<QueryRows> fetch(sqlite3_stmt* stmt, const QVariantList& params, const char* what);
    Error error(int code, const char* what) const;
    Error bindError(int code, int index) const;

    sqlite3* m_db;
    QString m_path;
    Mode m_mode;
    QHash<QString, sqlite3_stmt*> m_statements;
    int m_depth = 0;   // open transactions: the outermost is BEGIN, inner ones are savepoints
    std::unique_ptr<CheckFolder> m_checkFolder;   // of a look on a copy: removed after the file is closed
    std::optional<FileIdentity> m_file;
};

// SQLite extended result codes the program tells apart.
enum SqliteCode : int {
    kSqliteBusy = 5,
    kSqliteFull = 13,
    kSqliteConstraintUnique = 2067,
    kSqliteNotADb = 26,
};
