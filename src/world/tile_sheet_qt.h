#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

#include "world/tile_sheet.h"

namespace korvalin {

// Reads Map25.BMP through Qt's image reader. A missing file, a file that is
// not a picture or a picture of the wrong size gives no sheet, the fault and
// the file, or every place looked in when none was found.
struct TileSheetLoad {
    std::optional<TileSheet> sheet;
    TileSheetFault fault = TileSheetFault::None;
    std::vector<std::string> places;
};

TileSheetLoad loadTileSheet(const QString& path);

// The same checks on the file's bytes; `shownPath` names the file.
TileSheetLoad tileSheetFromBytes(const QByteArray& bytes, const std::string& shownPath);

// Loads the first sheet found in `places`.
TileSheetLoad findTileSheet(const std::vector<std::filesystem::path>& places);

}  // namespace korvalin
