#pragma once

#include <cstdint>
#include <span>

namespace korvalin {

// Whether a Windows bitmap file holds all the pixel rows its header
// promises. Picture readers fill a truncated file's missing rows silently;
// the tile sheet must not be drawn from such a file.
bool bmpIsComplete(std::span<const std::uint8_t> file);

}  // namespace korvalin
