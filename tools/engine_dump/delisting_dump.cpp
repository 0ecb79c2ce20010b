#include "engine_dump.h"

#include "engine/delisting/delisting_run.h"

#include <cstdio>

namespace {

// Remembers what the run would have shown.
class DumpObserver : public DelistingObserver {
public:
    int message(const QString& text, int, const QString&) override
    {
        shown = text;
        return kDelistingAnswerOk;
    }
    void failure(const Error& error) override
    {
        shown = QStringLiteral("%1 (error %2)").arg(error.description).arg(error.number);
    }
    QString shown;
};

QByteArray csvCell(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", v.toDouble());
        return QByteArray(number);
    }
    default:
        break;
    }
    QByteArray text = v.toString().toUtf8();
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r'))
        text = '"' + text.replace("\"", "\"\"") + '"';
    return text;
}

void printLine(const QList<QByteArray>& cells)
{
    const QByteArray line = cells.join(',') + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
}

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int runDelistingDump(const QStringList& args)
{
    bool keyOk = false;
    const qint32 key = args.size() == 2 ? args[1].toInt(&keyOk) : 0;
    if (!keyOk) {
        printError(QStringLiteral("usage: engine_dump delisting DB KEY"));
        return 1;
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(args[0]);
    if (!conn) {
        printError(conn.error().description);
        return 1;
    }

    ProgramState state;
    state.gConn = std::move(*conn);
    state.gCurSiteKey = key;
    DumpObserver observer;
    switch (RunDelistingAnalysis(state, observer)) {
    case DelistingOutcome::Refused:
        printError(observer.shown);
        return 2;
    case DelistingOutcome::Failed:
        printError(observer.shown);
        return 1;
    case DelistingOutcome::Stored:
        break;
    }

    Result<QueryRows> rows =
        state.gConn->select(QStringLiteral("SELECT * FROM DelistCOCS WHERE SITEKEY = ? ORDER BY rowid"), {key});
    if (!rows) {
        printError(rows.error().description);
        return 1;
    }
    QList<QByteArray> header;
    for (const QString& column : rows->columns)
        header << column.toUtf8();
    printLine(header);
    for (const QVector<QVariant>& row : rows->rows) {
        QList<QByteArray> cells;
        for (const QVariant& v : row)
            cells << csvCell(v);
        printLine(cells);
    }
    return 0;
}
