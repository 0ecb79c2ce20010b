#include "engine_dump.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "engine/forward/forward_run.h"
#include "platform/db/connection.h"

#include <QByteArray>

#include <cstdio>

namespace {

// Refusals and failures go to standard error as the user would read them.
class PrintingObserver : public RunObserver {
public:
    void message(const QString& text, int, const QString& title) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    void failure(const Error& error, const QString& title) override
    {
        std::fprintf(stderr, "%s: %s (error %d)\n", qPrintable(title), qPrintable(error.description), error.number);
    }
};

QByteArray cell(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Double: {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.17g", v.toDouble());
        return buf;
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QByteArray::number(v.toLongLong());
    default:
        break;
    }
    const QByteArray text = v.toString().toUtf8();
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    return '"' + QByteArray(text).replace('"', "\"\"") + '"';
}

void writeRows(const QueryRows& rows, QByteArray& out)
{
    out += rows.columns.join(u',').toUtf8() + '\n';
    for (const QVector<QVariant>& r : rows.rows) {
        QByteArrayList cells;
        for (const QVariant& v : r)
            cells << cell(v);
        out += cells.join(',') + '\n';
    }
}

} // namespace

int runForwardDump(const QStringList& args)
{
    bool keyOk = false;
    const qint32 key = args.value(1).toInt(&keyOk);
    if (args.size() != 2 || !keyOk || key <= 0) {
        std::fprintf(stderr, "usage: engine_dump forward DB KEY (KEY a positive analysis key)\n");
        return 1;
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(args[0]);
    if (!conn) {
        std::fprintf(stderr, "engine_dump: %s\n", qPrintable(conn.error().description));
        return 1;
    }
    ProgramState state;
    state.gConn = std::move(*conn);
    state.gCurSiteKey = key;

    PrintingObserver observer;
    switch (RunRiskAnalysis(state, observer)) {
    case RunOutcome::Completed:
        break;
    case RunOutcome::Refused:
        return 2;
    case RunOutcome::NotRun:
    case RunOutcome::Failed:
        return 1;
    }

    Result<QueryRows> results = state.gConn->select(
        QStringLiteral("SELECT CHEMCAS, %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
            .arg(forwardResultFields().join(u',')),
        {key});
    Result<QueryRows> delisting = state.gConn->select(
        QStringLiteral("SELECT * FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid"), {key});
    if (!results || !delisting) {
        std::fprintf(stderr, "engine_dump: %s\n",
                     qPrintable((results ? delisting.error() : results.error()).description));
        return 1;
    }
    QByteArray out;
    writeRows(*results, out);
    out += '\n';
    writeRows(*delisting, out);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
