// The chemical-table file reader. A file it accepts must come back unchanged through the
// value writer and the reader again.
#include "data/chemical_table_file.h"
#include "data/value_codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Result<std::vector<TableRow>> rows = readChemicalTableFile(bytes);
    if (!rows)
        return 0;
    const TableDef& table = cocsTable();
    QByteArray written;
    for (const TableRow& row : *rows)
        for (size_t c = 0; c < table.columns.size(); ++c)
            if (!appendColumnValue(written, table.columns[c], row[qsizetype(c)]))
                std::abort();
    Result<std::vector<TableRow>> again = readChemicalTableFile(written);
    if (!again || *again != *rows)
        std::abort();
    return 0;
}
