#include "world/tile_sheet_qt.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstring>

#include "world/bmp_header.h"
#include "world/tile_sheet_places.h"

namespace korvalin {

TileSheetLoad loadTileSheet(const QString& path)
{
    const std::string shownPath = QFileInfo(path).absoluteFilePath().toStdString();
    if (!QFileInfo(path).isFile())
        return {std::nullopt, TileSheetFault::Missing, {shownPath}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, TileSheetFault::Unreadable, {shownPath}};
    return tileSheetFromBytes(file.readAll(), shownPath);
}

TileSheetLoad tileSheetFromBytes(const QByteArray& bytes, const std::string& shownPath)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (!bmpIsComplete({data, static_cast<std::size_t>(bytes.size())}))
        return {std::nullopt, TileSheetFault::Broken, {shownPath}};

    // Read as BMP and nothing else: left to guess, Qt would first load every
    // image-format plugin on the system to ask each whether it knows "BMP".
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull() || image.width() != TileSheet::SheetSize ||
        image.height() != TileSheet::SheetSize)
        return {std::nullopt, TileSheetFault::Broken, {shownPath}};

    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap pixels(TileSheet::SheetSize, TileSheet::SheetSize);
    for (int y = 0; y < TileSheet::SheetSize; ++y)
        std::memcpy(pixels.row(y), rgb.constScanLine(y), TileSheet::SheetSize * 4);
    return {TileSheet(std::move(pixels))};
}

TileSheetLoad findTileSheet(const std::vector<std::filesystem::path>& places)
{
    if (const auto found = firstTileSheet(places))
        return loadTileSheet(QString::fromStdString(found->string()));
    std::vector<std::string> shownPlaces;
    for (const std::filesystem::path& place : places)
        shownPlaces.push_back(place.string());
    return {std::nullopt, TileSheetFault::Missing, shownPlaces};
}

}  // namespace korvalin
