#include "platform/db/connection.h"

#include "platform/db/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The folder beside the database that holds a look's private copy. It is locked while the look
// uses it; a later look removes the ones that no look holds, as a kill leaves them.
class CheckFolder {
public:
    static Result<std::unique_ptr<CheckFolder>> make(const QString& file);
    ~CheckFolder();
    CheckFolder(const CheckFolder&) = delete;
    CheckFolder& operator=(const CheckFolder&) = delete;

    QString filePath(const QString& name) const { return m_path + QLatin1Char('/') + name; }

    // Removes those beside `file` that no look holds, with the copies in them.
    static void removeLeft(const QString& file);

private:
    CheckFolder(QString path, int fd) : m_path(std::move(path)), m_fd(fd) {}
    // Removes the copy and what SQLite made beside it through `fd`, the folder opened and locked,
    // never by `path`, so a link put at `path` meanwhile loses nothing; then the name, which rmdir
    // takes only from an empty folder, never from a link.
    static void remove(const QString& path, int fd);

    QString m_path;
    int m_fd;   // holds the lock until the folder is gone
};

namespace {

Error fileError(const QString& path, const QString& what)
{
    return Error{kErrDatabaseFile, QStringLiteral("The database file %1 %2.").arg(path, what)};
}

bool noRoom(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

Error folderFull(const QString& file)
{
    return Error{kSqliteFull, QStringLiteral("The folder of the database file %1 is full.").arg(file)};
}

// A copy that failed: for want of room, the database's folder is full.
Error copyError(const QString& file, int error)
{
    return noRoom(error) ? folderFull(file) : fileError(file, QStringLiteral("cannot be read"));
}

// SQLite calls a file it could not make or grow for want of room, such as a log's index, an I/O
// failure or one it cannot open; the system's own error tells.
Error roomOr(sqlite3* db, const Error& e, const QString& file)
{
    const int primary = e.number < 0x10000 ? e.number & 0xff : 0;
    if (primary == SQLITE_FULL
        || ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) && db && noRoom(sqlite3_system_errno(db))))
        return folderFull(file);
    return e;
}

// Copies the file `from` to the new file `to`; the errno of a failure, else 0.
int copyFile(const QString& from, const QString& to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    int error = out < 0 ? errno : 0;
    char buffer[1 << 16];
    for (ssize_t n = 1; error == 0 && n > 0;) {
        n = ::read(in, buffer, sizeof buffer);
        if (n < 0)
            error = errno;
        for (ssize_t done = 0; error == 0 && done < n;) {
            const ssize_t written = ::write(out, buffer + done, size_t(n - done));
            if (written < 0)
                error = errno;
            else
                done += written;
        }
    }
    if (out >= 0 && ::close(out) != 0 && error == 0)
        error = errno;
    ::close(in);
    return error;
}

// Returned by the binding of a text that UTF-8 cannot hold as it is; no SQLite result code.
constexpr int kUnstorableText = -1;

// Texts go to SQLite as UTF-8 and come back from it as given: SQLite takes a leading U+FEFF of a
// UTF-16 text, and QString::fromUtf8 that of a UTF-8 one, for a byte-order mark and drops it.
// Half of a UTF-16 pair would become "?": such a text is refused.
int bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    if (!QStringView(text).isValidUtf16())
        return kUnstorableText;
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt* stmt, int column)
{
    const unsigned char* text = sqlite3_column_text(stmt, column);
    const QByteArrayView utf8(text, sqlite3_column_bytes(stmt, column));
    if (!utf8.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(utf8);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

int bindValue(sqlite3_stmt* stmt, int index, const QVariant& v)
{
    if (bindsAsNull(v))
        return sqlite3_bind_null(stmt, index);
    switch (v.typeId()) {
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, index, *static_cast<const double*>(v.constData()));
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, double(v.toFloat()));
    case QMetaType::Bool:
        return sqlite3_bind_int64(stmt, index, v.toBool() ? 1 : 0);
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(stmt, index, v.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray* bytes = static_cast<const QByteArray*>(v.constData());
        return sqlite3_bind_blob(stmt, index, bytes->constData(), int(bytes->size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QString:
        return bindText(stmt, index, *static_cast<const QString*>(v.constData()));
    default:
        return bindText(stmt, index, v.toString());
    }
}

QVariant columnValue(sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
        return QVariant(columnText(stmt, column));
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(stmt, column);
        return QVariant(QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt, column)));
    }
    default:
        return QVariant();
    }
}

QStringList columnNames(sqlite3_stmt* stmt)
{
    QStringList names;
    const int n = sqlite3_column_count(stmt);
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << QString::fromUtf8(sqlite3_column_name(stmt, i));
    return names;
}

}   // namespace

bool bindsAsNull(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return true;
    switch (v.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(v.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray*>(v.constData())->isNull();
    default:
        return false;
    }
}

Result<std::unique_ptr<CheckFolder>> CheckFolder::make(const QString& file)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        QByteArray name = QFile::encodeName(file + QStringLiteral(".check-XXXXXX"));
        if (!::mkdtemp(name.data()))
            return copyError(file, errno);
        // A look that found it unlocked may have removed it, before this open or before this lock: it
        // is made anew. Where the file system has no such locks, no look can take the lock to remove it.
        const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT)
            continue;
        if (fd < 0) {
            const int error = errno;
            ::rmdir(name.constData());
            return copyError(file, error);
        }
        struct stat st;
        if (::flock(fd, LOCK_EX) != 0 || (::fstat(fd, &st) == 0 && st.st_nlink > 0))
            return std::unique_ptr<CheckFolder>(new CheckFolder(QFile::decodeName(name), fd));
        ::close(fd);
    }
    return fileError(file, QStringLiteral("cannot be read"));
}

CheckFolder::~CheckFolder()
{
    remove(m_path, m_fd);
    ::close(m_fd);
}

void CheckFolder::remove(const QString& path, int fd)
{
    // The copy and what SQLite made beside it; anything else keeps the folder.
    if (DIR* listed = ::fdopendir(::dup(fd))) {   // a descriptor of its own, which closedir closes
        while (const dirent* entry = ::readdir(listed))
            if (QByteArrayView(entry->d_name).startsWith("checked.db"))
                ::unlinkat(fd, entry->d_name, 0);
        ::closedir(listed);
    }
    ::rmdir(QFile::encodeName(path).constData());
}

void CheckFolder::removeLeft(const QString& file)
{
    const QFileInfo info(file);
    const QString prefix = info.fileName() + QStringLiteral(".check-");
    const QDir beside = info.absoluteDir();
    for (const QString& name : beside.entryList(QDir::Dirs | QDir::NoSymLinks | QDir::Hidden)) {
        if (!name.startsWith(prefix))
            continue;
        const QString path = beside.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            remove(path, fd);
        ::close(fd);
    }
}

int RowReader::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

bool RowReader::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::optional<double> RowReader::number(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return double(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    default:
        return std::nullopt;
    }
}

qint64 RowReader::integer(int column) const
{
    if (sqlite3_column_type(m_stmt, column) == SQLITE_INTEGER)
        return sqlite3_column_int64(m_stmt, column);
    return value(column).toLongLong();
}

QString RowReader::text(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_TEXT:
        return columnText(m_stmt, column);
    default:
        return value(column).toString();
    }
}

QVariant RowReader::value(int column) const
{
    return columnValue(m_stmt, column);
}

int indexOfName(const QStringList& names, const QHash<QString, int>& exact, const QString& name)
{
    if (const auto it = exact.constFind(name); it != exact.constEnd())
        return *it;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QHash<QString, int> exactNameIndex(const QStringList& names)
{
    // Only a name's first place counts, as for the search without the index.
    QHash<QString, int> exact;
    exact.reserve(names.size());
    for (int i = 0; i < names.size(); ++i)
        if (indexOfName(names, exact, names[i]) == i)
            exact.insert(names[i], i);
    return exact;
}

int QueryRows::columnIndex(const QString& name) const
{
    return indexOfName(columns, m_exact, name);
}

Status Statement::exec(const QVariantList& params)
{
    return m_conn->run(m_stmt, params, "A statement failed");
}

Status Statement::exec(std::span<const BindValue> params)
{
    return m_conn->step(m_stmt, m_conn->bind(m_stmt, params), "A statement failed");
}

Result<QueryRows> Statement::select(const QVariantList& params)
{
    return m_conn->fetch(m_stmt, params, "A query failed");
}

Connection::Connection(sqlite3* db, QString path, Mode mode) : m_db(db), m_path(std::move(path)), m_mode(mode) {}

Connection::~Connection()
{
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

Result<std::unique_ptr<Connection>> Connection::open(const QString& path, Mode mode, const Check& check)
{
    const QFileInfo info(path);
    // Through a link, the file it names: its log and journal lie beside that file.
    const QString file = info.canonicalFilePath();
    if (file.isEmpty())
        return fileError(path, QStringLiteral("does not exist"));
    if (!info.isFile())
        return fileError(path, QStringLiteral("is not a file"));
    if (mode == Mode::ReadWrite || mode == Mode::Exclusive) {
        if (!isWritable(info))
            return fileError(path, QStringLiteral("is not writable"));
        if (!isWritable(QFileInfo(info.absolutePath())))
            return fileError(path, QStringLiteral("lies in a folder that is not writable"));
    }
    if (mode == Mode::Look)
        return look(file, check);

    // A rebuild may put a new database at the path while this checks and opens the one it
    // replaces. The path must name one file from before the check until the file is open, or
    // all is done again on the file that stands there then; nothing is read before that.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<FileIdentity> checked = fileIdentity(file);
        if (check)
            if (Result<std::unique_ptr<Connection>> looked = look(file, check); !looked)
                return looked.error();
        bool replaced = false;
        Result<std::unique_ptr<Connection>> conn = connect(file, mode, {}, [&] {
            replaced = fileIdentity(file) != checked;
            return !replaced;
        });
        if (conn)
            (*conn)->m_file = checked;
        if (!replaced)
            return conn;
    }
    return fileError(path, QStringLiteral("was replaced each time it was opened"));
}

bool Connection::heldByAnother(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // SQLite's locks of a database lie on the bytes from 2^30 on: its pending byte, its reserved
    // byte and the shared range, which every connection of a database in WAL mode holds.
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000000;
    lock.l_len = 512;
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

Result<std::unique_ptr<Connection>> Connection::look(const QString& file, const Check& check)
{
    CheckFolder::removeLeft(file);
    const auto holds = [&file](const char* suffix) { return QFileInfo(file + QLatin1String(suffix)).size() > 0; };
    const bool journaled = holds("-journal");
    if (!journaled && !holds("-wal"))
        return connect(file, Mode::Look, check);
    // What a log or journal holds is read on a private copy beside the file, never in place. A
    // log is read beside the file itself under a second name (a copy where the file system has
    // none); a journal is played back into the file, so the copy is a whole one.
    Result<std::unique_ptr<CheckFolder>> folder = CheckFolder::make(file);
    if (!folder)
        return folder.error();
    const QString copied = (*folder)->filePath(QStringLiteral("checked.db"));
    int error = !journaled && ::link(QFile::encodeName(file).constData(), QFile::encodeName(copied).constData()) == 0
                    ? 0
                    : copyFile(file, copied);
    for (const char* suffix : {"-wal", "-journal"})
        if (error == 0 && holds(suffix))
            error = copyFile(file + QLatin1String(suffix), copied + QLatin1String(suffix));
    if (error != 0)
        return copyError(file, error);
    Result<std::unique_ptr<Connection>> looked = connect(copied, journaled ? Mode::ReadWrite : Mode::ReadOnly, check);
    if (!looked)
        return looked.error().number == kSqliteFull ? folderFull(file) : looked.error();
    (*looked)->m_checkFolder = std::move(*folder);
    return looked;
}

Result<std::unique_ptr<Connection>> Connection::connect(const QString& file, Mode mode, const Check& check,
                                                        const std::function<bool()>& stillChecked)
{
    const QString wal = file + QStringLiteral("-wal");
    const QString shm = file + QStringLiteral("-shm");
    const bool hadWal = QFileInfo::exists(wal);
    const bool hadShm = QFileInfo::exists(shm);

    // Never SQLITE_OPEN_CREATE: a file that went missing since the check is not made anew.
    int flags = SQLITE_OPEN_NOMUTEX;
    QByteArray name = file.toUtf8();
    switch (mode) {
    case Mode::Look:
        flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
        name = QUrl::fromLocalFile(file).toEncoded() + "?immutable=1";
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
    case Mode::Exclusive:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const Error e = roomOr(db,
                               {db ? sqlite3_extended_errcode(db) : rc,
                                QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc))},
                               file);
        sqlite3_close(db);
        return e;
    }
    if (stillChecked && !stillChecked()) {
        sqlite3_close(db);
        return fileError(file, QStringLiteral("was replaced while it was opened"));
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
    // Until the file is taken, closing it leaves a write-ahead log that another program left
    // beside it unmerged; an exclusive connection never merges it on closing.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    std::unique_ptr<Connection> conn(new Connection(db, file, mode));
    const auto refuse = [&](const Error& failed) -> Result<std::unique_ptr<Connection>> {
        const Error e = roomOr(db, failed, file);
        conn.reset();
        // Reading made an empty log and its index beside the file: they go, what was there stays.
        if (!hadWal && QFileInfo(wal).size() == 0)
            QFile::remove(wal);
        if (!hadShm && (hadWal || !QFileInfo::exists(wal)))
            QFile::remove(shm);
        return e;
    };

    if (mode == Mode::Exclusive) {
        // Taken at once or not at all: another program keeps its connection open while it runs.
        sqlite3_busy_timeout(db, 0);
        for (const char* sql : {"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE", "COMMIT"})
            if (auto r = conn->select(QString::fromLatin1(sql)); !r)
                return refuse(r.error());
        sqlite3_busy_timeout(db, 5000);
    }
    // A check reads each page once: a small cache spares it a page buffer for each.
    if (check)
        if (auto r = conn->exec(QStringLiteral("PRAGMA cache_size = 16")); !r)
            return refuse(r.error());
    // Reading first: a file that is not a database, or one the caller refuses, fails here and is
    // left as it was; the journal mode is switched only on a file that is kept.
    if (auto r = conn->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")); !r)
        return refuse(r.error());
    if (check)
        if (Status s = check(*conn); !s)
            return refuse(s.error());
    if (mode == Mode::ReadWrite) {
        if (auto b = conn->exec(QStringLiteral("BEGIN IMMEDIATE")); !b)
            return refuse(b.error());
        if (auto r = conn->exec(QStringLiteral("ROLLBACK")); !r)
            return refuse(r.error());
        if (Result<QVariant> journal = conn->scalar(QStringLiteral("PRAGMA journal_mode=WAL")); !journal)
            return refuse(journal.error());
    }
    if (mode != Mode::Exclusive)
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return conn;
}

Error Connection::error(int code, const char* what) const
{
    return Error{code == SQLITE_OK ? int(kErrRecordset) : code,
                 QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(m_db)))};
}

Error Connection::bindError(int code, int index) const
{
    if (code == kUnstorableText)
        return Error{
            kErrConversion,
            QStringLiteral("Value %1 is a text that cannot be stored: it holds half of a UTF-16 pair.").arg(index)};
    return error(code, "A value could not be bound");
}

Result<sqlite3_stmt*> Connection::statement(const QString& sql)
{
    if (sqlite3_stmt* cached = m_statements.value(sql))
        return cached;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, &tail);
    if (rc != SQLITE_OK)
        return error(sqlite3_extended_errcode(m_db), "A statement could not be prepared");
    if (!stmt)
        return Error{kErrRecordset, QStringLiteral("A statement could not be prepared: it is empty.")};
    if (!QByteArray(tail).trimmed().isEmpty()) {
        sqlite3_finalize(stmt);
        return Error{kErrRecordset, QStringLiteral("A statement could not be prepared: it holds more than one.")};
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

Status Connection::bind(sqlite3_stmt* stmt, const QVariantList& params)
{
    if (sqlite3_bind_parameter_count(stmt) != params.size())
        return Error{kErrRecordset, QStringLiteral("A statement has %1 parameters, %2 values were given.")
                                        .arg(sqlite3_bind_parameter_count(stmt))
                                        .arg(params.size())};
    for (int i = 0; i < params.size(); ++i)
        if (const int rc = bindValue(stmt, i + 1, params[i]); rc != SQLITE_OK)
            return bindError(rc, i + 1);
    return {};
}

Status Connection::bind(sqlite3_stmt* stmt, std::span<const BindValue> params)
{
    if (sqlite3_bind_parameter_count(stmt) != int(params.size()))
        return Error{kErrRecordset, QStringLiteral("A statement has %1 parameters, %2 values were given.")
                                        .arg(sqlite3_bind_parameter_count(stmt))
                                        .arg(params.size())};
    for (size_t i = 0; i < params.size(); ++i) {
        const BindValue& v = params[i];
        const int index = int(i) + 1;
        int rc = SQLITE_OK;
        switch (v.m_kind) {
        case BindValue::Kind::Null:
            rc = sqlite3_bind_null(stmt, index);
            break;
        case BindValue::Kind::Integer:
            rc = sqlite3_bind_int64(stmt, index, v.m_integer);
            break;
        case BindValue::Kind::Number:
            rc = sqlite3_bind_double(stmt, index, v.m_number);
            break;
        case BindValue::Kind::Text:
            rc = bindText(stmt, index, *v.m_text);
            break;
        }
        if (rc != SQLITE_OK)
            return bindError(rc, index);
    }
    return {};
}

Status Connection::run(sqlite3_stmt* stmt, const QVariantList& params, const char* what)
{
    return step(stmt, bind(stmt, params), what);
}

Status Connection::step(sqlite3_stmt* stmt, Status bound, const char* what)
{
    int rc = SQLITE_DONE;
    if (bound)
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
    const Status result = !bound ? bound : rc == SQLITE_DONE ? Status() : Status(error(rc, what));
    sqlite3_reset(stmt);
    return result;
}

Result<QueryRows> Connection::fetch(sqlite3_stmt* stmt, const QVariantList& params, const char* what)
{
    if (Status s = bind(stmt, params); !s) {
        sqlite3_reset(stmt);
        return s.error();
    }
    QueryRows out;
    const int n = sqlite3_column_count(stmt);
    out.columns = columnNames(stmt);
    out.m_exact = exactNameIndex(out.columns);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = columnValue(stmt, i);
        out.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        Error e = error(rc, what);
        sqlite3_reset(stmt);
        return e;
    }
    sqlite3_reset(stmt);
    return out;
}

Result<int> Connection::exec(const QString& sql, const QVariantList& params)
{
    Result<sqlite3_stmt*> stmt = statement(sql);
    if (!stmt)
        return stmt.error();
    if (Status s = run(*stmt, params, "A statement failed"); !s)
        return s.error();
    return sqlite3_changes(m_db);
}

Result<QueryRows> Connection::select(const QString& sql, const QVariantList& params)
{
    Result<sqlite3_stmt*> stmt = statement(sql);
    if (!stmt)
        return stmt.error();
    return fetch(*stmt, params, "A query failed");
}

Status Connection::forEachRow(const QString& sql, const QVariantList& params, const RowHandler& row,
                              QStringList* columns)
{
    Result<sqlite3_stmt*> stmt = statement(sql);
    if (!stmt)
        return stmt.error();
    if (Status s = bind(*stmt, params); !s) {
        sqlite3_reset(*stmt);
        return s;
    }
    if (columns)
        *columns = columnNames(*stmt);
    const RowReader reader(*stmt);
    int rc;
    while ((rc = sqlite3_step(*stmt)) == SQLITE_ROW)
        if (Status s = row(reader); !s) {
            sqlite3_reset(*stmt);
            return s;
        }
    const Status result = rc == SQLITE_DONE ? Status() : Status(error(rc, "A query failed"));
    sqlite3_reset(*stmt);
    return result;
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
    Result<sqlite3_stmt*> stmt = statement(sql);
    if (!stmt)
        return stmt.error();
    return Statement(*this, *stmt);
}

Result<qint64> Connection::insert(const QString& sql, const QVariantList& params)
{
    Result<sqlite3_stmt*> stmt = statement(sql);
    if (!stmt)
        return stmt.error();
    if (Status s = run(*stmt, params, "A row could not be added"); !s)
        return s.error();
    return qint64(sqlite3_last_insert_rowid(m_db));
}
