// The chemical-table file reader. A file it accepts is written back by the file writer; what
// the writer gives must read back to the same rows and be written again byte for byte.
#include "data/chemical_table_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Result<std::vector<TableRow>> rows = readChemicalTableFile(bytes);
    if (!rows)
        return 0;
    Result<QByteArray> written = writeChemicalTableFile(*rows);
    if (!written)
        std::abort();
    Result<std::vector<TableRow>> again = readChemicalTableFile(*written);
    if (!again || *again != *rows)
        std::abort();
    Result<QByteArray> rewritten = writeChemicalTableFile(*again);
    if (!rewritten || *rewritten != *written)
        std::abort();
    return 0;
}
