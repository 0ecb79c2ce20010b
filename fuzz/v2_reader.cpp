// The version 2.0 analysis file reader. A file it accepts must come back unchanged through the
// writer and the reader again.
#include "data/analysis_file_v2.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Result<AnalysisRows> rows = readV2File(bytes);
    if (!rows)
        return 0;
    Result<QByteArray> written = encodeV2File(*rows);
    if (!written)
        std::abort();
    Result<AnalysisRows> again = readV2File(*written);
    if (!again || again->site != rows->site || again->unit != rows->unit || again->constituents != rows->constituents)
        std::abort();
    return 0;
}
