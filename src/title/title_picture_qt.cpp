#include "title/title_picture_qt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

#include "world/tile_codes.h"
#include "world/tile_sheet.h"
#include "world/world_grid.h"

namespace korvalin {

namespace {

// Each cell becomes 2 x 2 pixels, each the mean of one quarter of its tile,
// so that the relief of the mountain tiles still shows a little.
constexpr int PixelsPerCell = 2;
constexpr int QuarterSize = TileSheet::TileSize / PixelsPerCell;

// Where the help window puts its text, in the picture's own 480 x 480 frame.
constexpr QRectF TitleBand{0, 114, 480, 26};
constexpr QRectF BodyPanel{64, 140, 408, 192};
constexpr qreal Frame = 480;

using Quarters = std::array<QRgb, PixelsPerCell * PixelsPerCell>;

QRgb meanColour(const Bitmap& sheet, int left, int top)
{
    int red = 0, green = 0, blue = 0;
    for (int y = top; y < top + QuarterSize; ++y) {
        for (int x = left; x < left + QuarterSize; ++x) {
            const QRgb pixel = sheet.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    constexpr int n = QuarterSize * QuarterSize;
    return qRgb(red / n, green / n, blue / n);
}

// Without a tile sheet the map is drawn in plain sea and land colours.
Quarters tileQuarters(const TileSheet& tiles, int code)
{
    if (!tiles.isLoaded()) {
        const QRgb plain = code == WaterTile ? qRgb(24, 40, 110) : qRgb(120, 130, 100);
        return {plain, plain, plain, plain};
    }
    const int left = TileSheet::TileSize * (code % 16);
    const int top = TileSheet::TileSize * (code / 16);
    Quarters quarters{};
    for (int q = 0; q < PixelsPerCell * PixelsPerCell; ++q) {
        quarters[static_cast<std::size_t>(q)] =
            meanColour(tiles.pixels(), left + QuarterSize * (q % PixelsPerCell),
                       top + QuarterSize * (q / PixelsPerCell));
    }
    return quarters;
}

QImage mapImage(const WorldGrid& world, const TileSheet& tiles)
{
    std::array<Quarters, 256> byCode{};
    for (int code = 0; code < 256; ++code)
        byCode[static_cast<std::size_t>(code)] = tileQuarters(tiles, code);

    constexpr int side = GridSize * PixelsPerCell;
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const Quarters& quarters = byCode[world.cell(x / PixelsPerCell, y / PixelsPerCell)];
            line[x] = quarters[static_cast<std::size_t>((y % PixelsPerCell) * PixelsPerCell +
                                                        x % PixelsPerCell)];
        }
    }
    return image;
}

void shadeForText(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, Frame, Frame), QColor(0, 0, 24, 70));

    QLinearGradient band(TitleBand.topLeft(), TitleBand.topRight());
    band.setColorAt(0.0, QColor(255, 250, 255, 0));
    band.setColorAt(0.25, QColor(255, 250, 255, 215));
    band.setColorAt(0.85, QColor(255, 250, 255, 215));
    band.setColorAt(1.0, QColor(255, 250, 255, 0));
    painter.fillRect(TitleBand, band);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 16, 150));
    painter.drawRoundedRect(BodyPanel, 10, 10);
}

void letterName(QPainter& painter)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(66);
    font.setBold(true);
    font.setItalic(true);
    const QString name = QStringLiteral("Korvalin");
    QPainterPath path;
    path.addText(0, 0, font, name);
    const QRectF bounds = path.boundingRect();
    path.translate((Frame - bounds.width()) / 2 - bounds.left(), 92);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(3, 3));

    QLinearGradient gold(0, 30, 0, 95);
    gold.setColorAt(0.0, QColor(255, 248, 200));
    gold.setColorAt(0.5, QColor(255, 204, 64));
    gold.setColorAt(1.0, QColor(210, 110, 20));
    painter.setPen(QPen(QColor(60, 0, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(path);
}

}  // namespace

QImage titlePicture(const WorldGrid& world, const TileSheet& tiles, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(size.width() / Frame, size.height() / Frame);
    painter.drawImage(QRectF(0, 0, Frame, Frame), mapImage(world, tiles));
    shadeForText(painter);
    letterName(painter);
    return picture;
}

}  // namespace korvalin
