// Any bytes as Map25.BMP: a sheet of the right size or a fault, never a
// crash and never a sheet read from a truncated file.
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

#include "world/tile_sheet_qt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const korvalin::TileSheetLoad load = korvalin::tileSheetFromBytes(bytes, "Map25.BMP");
    if (load.sheet.has_value() == (load.fault != korvalin::TileSheetFault::None))
        std::abort();
    if (load.sheet && (load.sheet->pixels().width() != korvalin::TileSheet::SheetSize ||
                       load.sheet->pixels().height() != korvalin::TileSheet::SheetSize))
        std::abort();
    return 0;
}
