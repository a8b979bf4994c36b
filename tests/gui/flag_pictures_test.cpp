// The flag pictures the game carries, read back and held against the flags as
// they flew in 1997: banded flags whole, their bands in their true shares, and
// the two flags of that year that differ from today's.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

QImage flagPicture(const char* code)
{
    return QImage(QStringLiteral(":/flags/%1.png").arg(QLatin1String(code)))
        .convertToFormat(QImage::Format_RGB32);
}

struct Band {
    int share;
    QRgb colour;
};

struct BandedFlag {
    const char* code;
    std::vector<Band> bands;  // top to bottom
};

constexpr QRgb white = 0xffffff;
constexpr QRgb black = 0x000000;

// Horizontal bands by their laws' shares, with one of each way of fitting the
// artwork (stretched, centred, held at the hoist, drawn).
const std::vector<BandedFlag> bandedFlags = {
    {"KP", {{4, 0x024fa2}, {1, white}, {14, 0xed1c27}, {1, white}, {4, 0x024fa2}}},
    {"LA", {{1, 0xce1126}, {2, 0x002868}, {1, 0xce1126}}},
    {"KH", {{1, 0x032ea1}, {2, 0xe00025}, {1, 0x032ea1}}},
    {"TH", {{1, 0xa51931}, {1, white}, {2, 0x2d2a4a}, {1, white}, {1, 0xa51931}}},
    {"IN", {{1, 0xff9933}, {1, white}, {1, 0x138808}}},
    {"AF", {{1, 0x007a36}, {1, white}, {1, black}}},
    {"IQ", {{1, 0xce1126}, {1, white}, {1, black}}},
    {"KW", {{1, 0x007a3d}, {1, white}, {1, 0xce1126}}},
    {"IL", {{15, white}, {25, 0x0038b8}, {80, white}, {25, 0x0038b8}, {15, white}}},
    {"JO", {{1, black}, {1, white}, {1, 0x007a3d}}},
    {"LB", {{1, 0xed1c24}, {2, white}, {1, 0xed1c24}}},
    {"TJ", {{2, 0xcc0000}, {3, white}, {2, 0x006600}}},
    {"AZ", {{1, 0x00b9e4}, {1, 0xed2939}, {1, 0x3f9c35}}},
    {"BY", {{2, 0xce1720}, {1, 0x007c30}}},
    {"PH", {{1, 0x0038a8}, {1, 0xce1126}}},
    {"ES", {{1, 0xaa151b}, {2, 0xf1bf00}, {1, 0xaa151b}}},
};

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(FlagPictures, BandFlagsShowEveryBandWholeInItsTrueShareAndColour)
{
    constexpr int fly = 117;  // clear of every emblem, which sit at the hoist or the middle
    for (const BandedFlag& flag : bandedFlags) {
        const QImage picture = flagPicture(flag.code);
        ASSERT_EQ(picture.size(), QSize(120, 80)) << flag.code;
        int total = 0;
        for (const Band& band : flag.bands)
            total += band.share;
        double top = 0;
        for (std::size_t i = 0; i < flag.bands.size(); ++i) {
            const double bottom = top + 80.0 * flag.bands[i].share / total;
            const QRgb middle = picture.pixel(fly, int((top + bottom) / 2));
            EXPECT_LE(distance(middle, flag.bands[i].colour), 40) << flag.code << " band " << i;
            if (i + 1 < flag.bands.size()) {
                // The first row nearer the next band's colour than this one's.
                int edge = int((top + bottom) / 2);
                while (edge < 80 &&
                       distance(picture.pixel(fly, edge), flag.bands[i].colour) <=
                           distance(picture.pixel(fly, edge), flag.bands[i + 1].colour))
                    ++edge;
                EXPECT_LE(std::abs(edge - bottom), 1.0) << flag.code << " edge below band " << i;
            }
            top = bottom;
        }
    }
}

// The marks of one colour in a picture, each as its pixels.
std::vector<std::vector<QPoint>> marks(const QImage& picture, QRect area, bool (*inMark)(QRgb))
{
    std::vector<std::vector<QPoint>> found;
    std::vector<bool> seen(picture.width() * picture.height());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[y * 120 + x] || !inMark(picture.pixel(x, y)))
                continue;
            std::vector<QPoint> mark{{x, y}};
            seen[y * 120 + x] = true;
            for (std::size_t k = 0; k < mark.size(); ++k)
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next = mark[k] + step;
                    if (area.contains(next) && !seen[next.y() * 120 + next.x()] &&
                        inMark(picture.pixel(next))) {
                        seen[next.y() * 120 + next.x()] = true;
                        mark.push_back(next);
                    }
                }
            found.push_back(std::move(mark));
        }
    return found;
}

QRect bounds(const std::vector<QPoint>& mark)
{
    QRect box(mark.front(), mark.front());
    for (const QPoint p : mark)
        box |= QRect(p, p);
    return box;
}

// A five-pointed star fills about a third of its square box; the takbir's
// strokes are tall, wide or thin.
bool looksLikeAStar(const std::vector<QPoint>& mark)
{
    const QRect box = bounds(mark);
    const double fill = double(mark.size()) / (box.width() * box.height());
    return box.width() >= 6 && std::abs(box.width() - box.height()) <= 2 && fill > 0.25 &&
           fill < 0.6;
}

TEST(FlagPictures, IraqsWhiteBandCarriesThreeGreenStarsEvenlySpacedAboutTheMiddle)
{
    const QImage iraq = flagPicture("IQ");
    const auto green = [](QRgb c) { return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 20; };
    std::vector<QPoint> centres;
    for (const auto& mark : marks(iraq, QRect(0, 27, 120, 26), green))
        if (looksLikeAStar(mark))
            centres.push_back(bounds(mark).center());
    std::sort(centres.begin(), centres.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    ASSERT_EQ(centres.size(), 3u);
    EXPECT_NEAR(centres[1].x(), 60, 1);
    EXPECT_NEAR(centres[1].x() - centres[0].x(), centres[2].x() - centres[1].x(), 1);
    for (const QPoint c : centres)
        EXPECT_NEAR(c.y(), 40, 1);
}

}  // namespace
