#pragma once

#include <filesystem>
#include <string>

#include "sheet_image.h"

namespace korvalin {

// A Windows bitmap as every viewer reads it: BITMAPINFOHEADER, 24 bits per
// pixel in blue-green-red order, rows bottom-up and padded to four bytes.
std::string encodeBmp(const SheetImage& image);

// Writes the bitmap through a temporary file renamed over `path`, so a failed
// run never leaves half a sheet behind. False when the file cannot be written.
bool writeBmp(const std::filesystem::path& path, const SheetImage& image);

}  // namespace korvalin
