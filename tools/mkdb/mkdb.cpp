// mkdb OUT.db DATA_DIR: builds the shipped database from the schema and the CSV files of
// DATA_DIR. Stops with the file and line of the first row that does not fit its table.
//
// The database at OUT is the user's too. One built from the same files by the same rules with the
// same layout is left as it is. Another one gives its user rows to a new database, which then
// takes its place with its mode and owner while the old one is kept as OUT.<date>.bak; a whole
// database stands at OUT at every moment. A link at OUT stays: the file it names is the
// database. A file that is not the program's database, one that another program has open, and
// a log or journal left beside OUT where no database stands are refused and left as they were; a
// folder, or a link to one, is refused before anything is built. A file that another program puts
// at OUT while the analyses are carried is left as it is.

#include "shipped_tables.h"
#include "user_rows.h"

#include "data/schema.h"
#include "platform/db/file_access.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

bool fail(const QString& message)
{
    std::fprintf(stderr, "mkdb: %s\n", qPrintable(message));
    return false;
}

QByteArray fileName(const QString& path)
{
    return QFile::encodeName(path);
}

// Puts a file's bytes, or a folder's entries, on the disk.
bool sync(const QString& path, int flags)
{
    const int fd = ::open(fileName(path).constData(), flags | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

// Puts the whole new file on the disk, then at `out` in one step.
bool putInPlace(const QString& fresh, const QString& out)
{
    if (!sync(fresh, O_RDONLY) || ::rename(fileName(fresh).constData(), fileName(out).constData()) != 0)
        return false;
    sync(QFileInfo(out).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

enum class Swap { Done, Failed, Replaced };

// Puts the whole new file on the disk, then at `out` in exchange for the file there, which must be
// `held`: another file put there meanwhile goes back (Replaced). Where the file system cannot
// exchange two names, the file at `out` is compared before the new one is renamed over it.
Swap swapInPlace(const QString& fresh, const QString& out, const std::optional<FileIdentity>& held)
{
    const QByteArray from = fileName(fresh);
    const QByteArray to = fileName(out);
    if (!sync(fresh, O_RDONLY))
        return Swap::Failed;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return Swap::Failed;
        if (fileIdentity(out) != held)
            return Swap::Replaced;
        return putInPlace(fresh, out) ? Swap::Done : Swap::Failed;
    }
    if (fileIdentity(fresh) != held) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0)
            ::rename(from.constData(), to.constData());
        return Swap::Replaced;
    }
    sync(QFileInfo(out).absolutePath(), O_RDONLY | O_DIRECTORY);
    return Swap::Done;
}

const char* const kBeside[] = {"-wal", "-shm", "-journal"};

void removeDatabase(const QString& path)
{
    QFile::remove(path);
    for (const char* suffix : kBeside)
        QFile::remove(path + QLatin1String(suffix));
}

// The file a link at `path` names, through every link; `path` itself when it is none. A link that
// leads to no file, or in a loop, names a database that is gone: nothing is to be built there.
Result<QString> linkedFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString file = info.canonicalFilePath();
    if (!QFileInfo::exists(file))
        return Error{kErrDatabaseFile,
                     QStringLiteral("%1 is a link to %2, which leads to no file (it is missing, or the links loop); "
                                    "nothing is built or changed: put the database back or remove the link")
                         .arg(path, info.symLinkTarget())};
    return file;
}

QString inUse(const QString& out)
{
    return QStringLiteral("%1 is in use by another program; end it and build again").arg(out);
}

// The analyses live in these, each keyed by SITEKEY: a file without them is not the program's
// database.
Status holdsAnalyses(Connection& conn)
{
    for (const TableDef* t : {&siteInfoTable(), &wmuInfoTable(), &siteCocsTable()}) {
        Result<QVariant> n = conn.scalar(
            QStringLiteral("SELECT count(*) FROM sqlite_master m, pragma_table_info(m.name) c WHERE m.type = 'table' "
                           "AND m.name = ? COLLATE NOCASE AND c.name = 'SITEKEY' COLLATE NOCASE"),
            {t->name});
        if (!n)
            return n.error();
        if (n->toInt() == 0)
            return Error{kErrSchema, QStringLiteral("it has no table %1 keyed by SITEKEY").arg(t->name)};
    }
    return {};
}

// The new file at `fresh` takes the mode of the old one at `out` and, where the builder may
// give them, its owner and group.
bool takeModeAndOwner(const QString& fresh, const QString& out)
{
    struct stat st;
    if (::stat(fileName(out).constData(), &st) != 0)
        return false;
    const bool owned = ::chown(fileName(fresh).constData(), st.st_uid, st.st_gid) == 0 || errno == EPERM;
    return owned && ::chmod(fileName(fresh).constData(), st.st_mode & 07777) == 0;
}

// A read of the database at `out` that failed: another program's pages read torn while it writes
// them, so a file in use is only in use; any other is not the program's database.
Error unreadable(const QString& out, const Error& e)
{
    if (Connection::heldByAnother(out))
        return Error{kSqliteBusy, inUse(out)};
    return Error{e.number, QStringLiteral("%1 is not the program's database (%2); it is left as it was: move it aside "
                                          "to build a new one")
                               .arg(out, e.description)};
}

// True when the database at `out`, as `old` looks at it, was built from the same data files with
// the same layout as the new one at `fresh`.
Result<bool> isCurrent(Connection& old, const QString& out, const QString& fresh)
{
    Result<std::unique_ptr<Connection>> built = Connection::open(fresh, Connection::Mode::Look);
    if (!built)
        return built.error();
    const QString version = QStringLiteral("PRAGMA user_version");
    Result<QVariant> builtFrom = old.scalar(version);
    Result<QStringList> layout = schemaStatements(old);
    for (const Error* e : {builtFrom ? nullptr : &builtFrom.error(), layout ? nullptr : &layout.error()})
        if (e)
            return unreadable(out, *e);
    Result<QVariant> stamp = (*built)->scalar(version);
    Result<QStringList> newLayout = schemaStatements(**built);
    for (const Error* e : {stamp ? nullptr : &stamp.error(), newLayout ? nullptr : &newLayout.error()})
        if (e)
            return *e;
    return *builtFrom == *stamp && *layout == *newLayout;
}

// A name beside `out` for the old database `held`, made by linking it there: the one it has already
// where a build was stopped after its link, else one that no file has yet.
Result<QString> linkAside(const QString& out, const std::optional<FileIdentity>& held)
{
    const QFileInfo info(out);
    const QString prefix = info.fileName() + QLatin1Char('.');
    for (const QFileInfo& bak : info.absoluteDir().entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden))
        if (bak.fileName().startsWith(prefix) && bak.fileName().endsWith(QStringLiteral(".bak"))
            && fileIdentity(bak.absoluteFilePath()) == held)
            return bak.absoluteFilePath();
    const QString stem = out + QDateTime::currentDateTime().toString(QStringLiteral(".yyyyMMddhhmmss"));
    for (int n = 0; n < 100; ++n) {
        const QString name = stem + (n == 0 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".bak");
        if (::link(fileName(out).constData(), fileName(name).constData()) == 0)
            return name;
        if (errno != EEXIST)
            break;
    }
    return Error{kErrFile, QStringLiteral("%1 cannot be kept beside itself").arg(out)};
}

// Carries the user rows of the database at `out` into the new one at `fresh` and puts the new one in
// its place, the old one kept under another name. The rows are read under the build's exclusive
// hold, taken after the look that judged the file has closed, so a write made between the two is
// carried. Another program's connection, or a fault on the way, leaves `out` as it was; only the
// file held is replaced.
bool replace(const QString& out, const QString& fresh)
{
    const QString wal = out + QStringLiteral("-wal");
    const bool hadWal = QFileInfo::exists(wal);
    // Held from before the carry until the new file stands at `out`: no program can write to the
    // old one in between. Taking it rolls a hot journal back into the old file.
    Result<std::unique_ptr<Connection>> old = Connection::open(out, Connection::Mode::Exclusive);
    if (!old) {
        if (old.error().number == kSqliteBusy)
            return fail(inUse(out));
        return fail(QStringLiteral("%1 cannot be opened (%2)").arg(out, old.error().description));
    }
    const std::optional<FileIdentity> held = (*old)->file();
    const auto release = [&](const QString& message) {
        old->reset();
        if (!hadWal && QFileInfo(wal).size() == 0)
            QFile::remove(wal);
        return fail(message);
    };
    const auto keepAsItWas = [&](const QString& why) {
        return release(QStringLiteral("the analyses of %1 cannot be carried into a new database (%2); it is left as "
                                      "it was: move it aside to build a new one")
                           .arg(out, why));
    };
    // Another program put a file at `out` meanwhile: it stays, and nothing carried is kept beside it.
    const auto leaveTheOther = [&](const QString& kept) {
        const QString where = kept.isEmpty() ? QString() : QStringLiteral("; that database is kept as ") + kept;
        return release(QStringLiteral("another file was put at %1 while the analyses of the database that stood there "
                                      "were carried; it is left as it is and not replaced%2")
                           .arg(out, where));
    };
    {
        Result<std::unique_ptr<Connection>> conn = Connection::open(fresh);
        if (!conn)
            return keepAsItWas(conn.error().description);
        if (Status s = carryUserRows(**old, **conn); !s)
            return keepAsItWas(s.error().description);
        if (auto r = (*conn)->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")); !r)
            return keepAsItWas(r.error().description);
    }
    if (fileIdentity(out) != held)
        return leaveTheOther({});
    if (!takeModeAndOwner(fresh, out))
        return keepAsItWas(QStringLiteral("the new database cannot be given its mode and owner"));
    // The old file alone must hold all it has: its log, the log's index and its journal go, so that
    // nothing of them is read as the new file's once the new one has its name. No program has them
    // open while this connection holds the file.
    Result<QueryRows> merged = (*old)->select(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    if (!merged || (!merged->rows.empty() && merged->rows.front().front().toInt() != 0))
        return keepAsItWas(merged ? QStringLiteral("its log cannot be merged") : merged.error().description);
    for (const char* suffix : kBeside)
        if (const QString f = out + QLatin1String(suffix); QFileInfo::exists(f) && !QFile::remove(f))
            return keepAsItWas(QStringLiteral("%1 cannot be removed").arg(f));
    Result<QString> kept = linkAside(out, held);
    if (!kept)
        return keepAsItWas(kept.error().description);
    // Linked from the path: a file put there just before is not the one to keep.
    if (fileIdentity(*kept) != held) {
        QFile::remove(*kept);
        return leaveTheOther({});
    }
    switch (swapInPlace(fresh, out, held)) {
    case Swap::Done:
        break;
    case Swap::Replaced:
        return leaveTheOther(*kept);
    case Swap::Failed:
        QFile::remove(*kept);
        return keepAsItWas(QStringLiteral("the new database cannot be put in its place"));
    }
    std::fprintf(stderr,
                 "mkdb: the data files or the layout changed: the analyses with their results, own chemicals and "
                 "DAFs and the change log are carried into the new database; the previous one is kept as %s\n",
                 qPrintable(*kept));
    return true;
}

// Keeps the database at `out` when it was built as the new one at `fresh` is, else replaces it.
bool keepOrReplace(const QString& out, const QString& fresh)
{
    Result<std::unique_ptr<Connection>> look = Connection::open(out, Connection::Mode::Look, holdsAnalyses);
    if (!look && (look.error().number == kSqliteFull || look.error().number == kErrDatabaseFile))
        return fail(
            QStringLiteral("%1 cannot be judged (%2); it is left as it was").arg(out, look.error().description));
    if (!look)
        return fail(unreadable(out, look.error()).description);
    Result<bool> current = isCurrent(**look, out, fresh);
    if (!current)
        return fail(current.error().description);
    // A look on a copy shares the file's locks, which the replacing hold must have alone.
    look->reset();
    if (!*current)
        return replace(out, fresh);
    // Newer than the tool, so the build asks for it again only when the tool or the files change.
    ::utime(fileName(out).constData(), nullptr);
    return true;
}

bool build(const QString& path, const QString& dataDir)
{
    Result<QString> linked = linkedFile(path);
    if (!linked)
        return fail(linked.error().description);
    const QString out = *linked;
    if (QFileInfo::exists(out) && !QFileInfo(out).isFile())
        return fail(QStringLiteral("%1 is not a database file: %2 is a folder or a device; nothing is built or changed")
                        .arg(path, out));
    if (!QFileInfo::exists(out)) {
        // Such a log belongs to a database that is gone: applied to a new one, it would damage it.
        QStringList left;
        for (const char* suffix : kBeside)
            if (QFileInfo::exists(out + QLatin1String(suffix)))
                left << out + QLatin1String(suffix);
        if (!left.isEmpty())
            return fail(QStringLiteral("no database stands at %1, but %2 of one that is gone lie beside it; they are "
                                       "left as they were: move them aside to build a new database")
                            .arg(out, left.join(QStringLiteral(", "))));
    }
    const QString fresh = out + QStringLiteral(".new");
    removeDatabase(fresh);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (Status s = buildShippedDatabase(fresh, dataDir); !s) {
        removeDatabase(fresh);
        return fail(s.error().description);
    }
    if (!QFileInfo::exists(out)) {
        if (!putInPlace(fresh, out)) {
            removeDatabase(fresh);
            return fail(QStringLiteral("%1 cannot be written").arg(out));
        }
        return true;
    }
    const bool done = keepOrReplace(out, fresh);
    removeDatabase(fresh);
    return done;
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
