#include "bmp_writer.h"

#include <cstdint>

#include "save/atomic_file.h"

namespace korvalin {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int BytesPerPixel = 3;
constexpr std::uint32_t PixelsPerMetre = 2835;  // 72 dpi

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

std::string encodeBmp(const SheetImage& image)
{
    constexpr int size = SheetImage::Size;
    constexpr int rowBytes = (size * BytesPerPixel + 3) / 4 * 4;
    constexpr std::uint32_t pixelBytes = rowBytes * size;
    constexpr std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize;

    std::string out;
    out.reserve(pixelOffset + pixelBytes);
    out += "BM";
    putLittleEndian(out, pixelOffset + pixelBytes, 4);
    putLittleEndian(out, 0, 4);  // reserved
    putLittleEndian(out, pixelOffset, 4);

    putLittleEndian(out, InfoHeaderSize, 4);
    putLittleEndian(out, size, 4);  // width
    putLittleEndian(out, size, 4);  // height; positive means bottom-up
    putLittleEndian(out, 1, 2);     // planes
    putLittleEndian(out, BytesPerPixel * 8, 2);
    putLittleEndian(out, 0, 4);  // BI_RGB, uncompressed
    putLittleEndian(out, pixelBytes, 4);
    putLittleEndian(out, PixelsPerMetre, 4);
    putLittleEndian(out, PixelsPerMetre, 4);
    putLittleEndian(out, 0, 4);  // colours used: none, no palette
    putLittleEndian(out, 0, 4);  // important colours: all

    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgb colour = image.pixel(x, y);
            out.push_back(static_cast<char>(colour.b));
            out.push_back(static_cast<char>(colour.g));
            out.push_back(static_cast<char>(colour.r));
        }
        out.append(rowBytes - size * BytesPerPixel, '\0');
    }
    return out;
}

bool writeBmp(const std::filesystem::path& path, const SheetImage& image)
{
    return writeFileAtomically(path, encodeBmp(image));
}

}  // namespace korvalin
