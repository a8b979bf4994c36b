#include "game/startup_error.h"

#include "game/language.h"

namespace korvalin {

std::string tileSheetMessage(TileSheetFault fault, const std::vector<std::string>& places)
{
    switch (fault) {
        case TileSheetFault::None:
            break;
        case TileSheetFault::Missing: {
            std::string listed;
            for (const std::string& place : places)
                listed += fill(tr(TileSheetPlaceLine), place);
            return fill(tr(TileSheetMissingText), listed);
        }
        case TileSheetFault::Unreadable:
            return fill(tr(TileSheetUnreadableText), places.front());
        case TileSheetFault::Broken:
            return fill(tr(TileSheetBrokenText), places.front());
    }
    return {};
}

}  // namespace korvalin
