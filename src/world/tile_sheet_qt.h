#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

#include "world/tile_sheet.h"

namespace korvalin {

// Reads Map25.BMP through Qt's image reader. A missing file, a file that is
// not a picture or a picture of the wrong size gives no sheet and a message
// naming the file.
struct TileSheetLoad {
    std::optional<TileSheet> sheet;
    std::string error;
};

TileSheetLoad loadTileSheet(const QString& path);

// The same checks on the file's bytes; `shownPath` names the file in the
// message.
TileSheetLoad tileSheetFromBytes(const QByteArray& bytes, const std::string& shownPath);

// Loads the first sheet found in `places`; when none holds one, the message
// names every place looked in.
TileSheetLoad findTileSheet(const std::vector<std::filesystem::path>& places);

}  // namespace korvalin
