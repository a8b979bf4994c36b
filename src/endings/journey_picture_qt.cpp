#include "endings/journey_picture_qt.h"

#include <QPainter>

#include "endings/journey_picture.h"
#include "game/colors.h"
#include "game/game_core.h"
#include "maps/world_map_picture.h"
#include "widgets/bitmap_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

namespace {

constexpr int Margin = 12;

}  // namespace

QImage journeyPicture(const GameCore& game)
{
    const Bitmap map = journeyMapPicture(game.world, game.state, game.trail.cells());
    QImage picture(map.width(), map.height() + JourneyTextHeight, QImage::Format_RGB32);
    picture.fill(QColor(colors::Teal));
    QPainter painter(&picture);
    painter.drawImage(0, 0, imageOf(map));

    const JourneyPictureTexts texts = journeyPictureTexts(game);
    const QRect band(Margin, map.height() + Margin / 2, map.width() - 2 * Margin,
                     JourneyTextHeight - Margin);
    painter.setPen(QColor(colors::White));
    painter.setFont(pixelFont(20, true));
    const QRect headline =
        painter.boundingRect(band, Qt::AlignLeft | Qt::AlignTop, qtext(texts.headline));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignTop, qtext(texts.headline));
    painter.setFont(pixelFont(14));
    painter.drawText(band.adjusted(0, headline.height() + Margin / 2, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qtext(texts.capitals));
    return picture;
}

bool saveJourneyPicture(const GameCore& game, const QString& path)
{
    return journeyPicture(game).save(path, "PNG");
}

}  // namespace korvalin
