// The version 1.0 analysis file reader, with a chemical table of two rows so that found,
// unknown and user-defined chemicals all occur.
#include "data/analysis_file_v1.h"

#include <cstdint>

namespace {

std::optional<TableRow> lookup(const QString& cas)
{
    if (cas != QLatin1String("7439-97-6") && cas != QLatin1String("UD-1"))
        return std::nullopt;
    TableRow row = emptyRow(cocsTable());
    row[0] = QStringLiteral("Known");
    row[1] = cas;
    row[columnOf(cocsTable(), QStringLiteral("CARCNON"))] = QStringLiteral("Carcinogen");
    row[columnOf(cocsTable(), QStringLiteral("HENRY"))] = 0.5;
    return row;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)readV1File(bytes, lookup);
    (void)FormatCasNumber(QString::fromLatin1(bytes.first(qMin<qsizetype>(bytes.size(), 32))));
    return 0;
}
