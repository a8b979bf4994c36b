#pragma once

#include <QString>

#include <optional>

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

}  // namespace korvalin
