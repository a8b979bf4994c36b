#include "world/bmp_header.h"

#include <cstdlib>

namespace korvalin {

namespace {

std::uint32_t readLe(std::span<const std::uint8_t> file, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | file[at + static_cast<std::size_t>(i)];
    return value;
}

}  // namespace

bool bmpIsComplete(std::span<const std::uint8_t> file)
{
    constexpr std::size_t FileHeader = 14;
    constexpr std::size_t InfoHeader = 40;
    if (file.size() < FileHeader + InfoHeader || file[0] != 'B' || file[1] != 'M')
        return false;
    const std::uint32_t pixelOffset = readLe(file, 10, 4);
    const auto width = static_cast<std::int32_t>(readLe(file, 18, 4));
    const auto height = static_cast<std::int32_t>(readLe(file, 22, 4));
    const std::uint32_t bitsPerPixel = readLe(file, 28, 2);
    const std::uint32_t compression = readLe(file, 30, 4);
    constexpr std::uint32_t Uncompressed = 0;
    constexpr std::uint32_t BitFields = 3;
    if (compression != Uncompressed && compression != BitFields)
        return true;  // run-length files carry no fixed size to check against
    const std::uint64_t stride =
        (std::uint64_t{static_cast<std::uint32_t>(std::abs(width))} * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t needed =
        pixelOffset + stride * static_cast<std::uint32_t>(std::abs(height));
    return file.size() >= needed;
}

}  // namespace korvalin
