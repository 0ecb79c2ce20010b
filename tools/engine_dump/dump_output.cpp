#include "engine_dump.h"

#include "platform/db/variant_number.h"

#include <QByteArray>

#include <cstdio>

namespace {

QByteArray cell(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (std::optional<double> n = variantNumber(v)) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", *n);
        return number;
    }
    QByteArray text = v.toString().toUtf8();
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r'))
        text = '"' + text.replace("\"", "\"\"") + '"';
    return text;
}

}   // namespace

bool openDumpAnalysis(const QStringList& args, const char* command, ProgramState& state)
{
    bool keyOk = false;
    const qint32 key = args.value(1).toInt(&keyOk);
    if (args.size() != 2 || !keyOk || key <= 0) {
        printError(QStringLiteral("usage: engine_dump %1 DB KEY (KEY a positive analysis key)")
                       .arg(QString::fromLatin1(command)));
        return false;
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(args[0]);
    if (!conn) {
        printError(QStringLiteral("engine_dump: ") + conn.error().description);
        return false;
    }
    state.gConn = std::move(*conn);
    state.gCurSiteKey = key;
    return true;
}

void writeCsv(const QueryRows& rows)
{
    QByteArray out = rows.columns.join(u',').toUtf8() + '\n';
    for (const QVector<QVariant>& r : rows.rows) {
        QByteArrayList cells;
        for (const QVariant& v : r)
            cells << cell(v);
        out += cells.join(',') + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
}

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}
