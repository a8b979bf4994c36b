// The pictures the game paints itself, looked at where it matters: London's
// buildings stand against its sky, and every text the pictures carry, or
// that is written over them, stands out from what is behind it.
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "endings/journey_picture_qt.h"
#include "endings/london_dlg_window.h"
#include "endings/london_picture_qt.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/played_game.h"
#include "title/title_picture_qt.h"

namespace korvalin {
namespace {

// Relative luminance and contrast ratio as the accessibility guidelines
// define them: 4.5 reads as body text, 3 as large text.
double luminance(QColor c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor at(const QImage& image, QPoint p)
{
    return image.pixelColor(p);
}

// The worst contrast between `ink` and any pixel of `background` in
// `area`: text in that colour reads wherever in the area it stands.
double worstContrast(const QImage& background, const QRect& area, QColor ink)
{
    double worst = 21;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            worst = std::min(worst, contrast(background.pixelColor(x, y), ink));
    }
    return worst;
}

// The colour most pixels of `area` have: the ground text is written on.
QColor groundOf(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                  })->first);
}

// The pixel of `area` that stands out most from `ground`: the ink.
QColor inkOf(const QImage& image, const QRect& area, QColor ground)
{
    QColor ink = ground;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (contrast(image.pixelColor(x, y), ground) > contrast(ink, ground))
                ink = image.pixelColor(x, y);
        }
    }
    return ink;
}

// The rows of `image` inside `area` that hold a pixel unlike `background`,
// as runs: each run a line of text, its height the letters'.
std::vector<int> inkedRunHeights(const QImage& image, const QRect& area, QColor background)
{
    std::vector<int> runs;
    int run = 0;
    for (int y = area.top(); y <= area.bottom() + 1; ++y) {
        bool inked = false;
        for (int x = area.left(); y <= area.bottom() && x <= area.right() && !inked; ++x)
            inked = contrast(image.pixelColor(x, y), background) > 1.5;
        if (inked) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

struct Look {
    const char* what;
    std::function<void()> check;
};

// London: each building is darker than the sky beside it, the clock face
// lit on its tower, the sky deep blue above and glowing at the horizon.
TEST(PaintedPictures, LondonsSkylineStandsAgainstItsSky)
{
    const QImage london = londonPicture();
    const auto stands = [&](QPoint building, QPoint sky) {
        return [=, &london] {
            EXPECT_GT(contrast(at(london, building), at(london, sky)), 1.5)
                << "building " << building.x() << "," << building.y() << " sky " << sky.x() << ","
                << sky.y();
            EXPECT_LT(luminance(at(london, building)), luminance(at(london, sky)));
        };
    };
    const Look looks[] = {
        {"the dome", stands({204, 96}, {182, 96})},
        {"the dome's lantern", stands({204, 84}, {212, 76})},
        {"the roofs of the City under the dome", stands({180, 130}, {172, 110})},
        {"the Houses of Parliament", stands({100, 145}, {100, 110})},
        {"the Parliament's tower roof", stands({149, 92}, {165, 88})},
        {"the clock tower", stands({38, 100}, {60, 100})},
        {"the clock tower's spire", stands({38, 40}, {20, 40})},
        {"the bridge's towers", stands({262, 120}, {282, 124})},
        {"the Parliament's windows are lit",
         [&] {
             EXPECT_GT(contrast(at(london, {67, 140}), at(london, {71, 140})), 1.5);
             EXPECT_GT(luminance(at(london, {67, 140})), luminance(at(london, {71, 140})));
         }},
        {"the clock face is lit",
         [&] {
             EXPECT_GT(contrast(at(london, {38, 68}), at(london, {38, 85})), 1.5);
         }},
        {"the sky is deep at the top and glows at the horizon",
         [&] {
             const QColor top = at(london, {120, 2});
             const QColor horizon = at(london, {10, 156});
             EXPECT_GT(top.blue(), top.red());
             EXPECT_GT(horizon.red(), horizon.blue());
             EXPECT_GT(contrast(top, horizon), 3.0);
         }},
        {"the river is darker than the sky above it",
         [&] {
             EXPECT_LT(luminance(at(london, {4, 200})), luminance(at(london, {4, 150})));
         }},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.what);
        look.check();
    }
}

// The goal screen once its words have come, on a record's red and on a
// late arrival's black: the result lines and the choices in the bar read
// clearly on what is behind them.
TEST(PaintedPictures, TheGoalScreensResultAndChoicesReadClearly)
{
    for (const int days : {150, 191}) {
        SCOPED_TRACE(days);
        testing::FakeUi ui;
        testing::FakeClock clock;
        Game game{ui, clock};
        game.state.Level1 = true;
        game.state.day = days * MinutesPerDay;
        TLondonDlg london(game, game.LondonDlg);
        london.show();
        auto* result = london.findChild<QLabel*>(QStringLiteral("Label7"));
        ASSERT_TRUE(testing::runUntil([&] { return result->isVisible(); }));
        for (const char* name : {"Label7", "Label8", "Label5", "Label6", "Label9"}) {
            SCOPED_TRACE(name);
            auto* label = london.findChild<QLabel*>(QString::fromLatin1(name));
            if (!label->isVisible())
                continue;
            // What is behind the words, seen with the words away.
            label->setVisible(false);
            const QImage behind = london.grab().toImage();
            label->setVisible(true);
            const QRect area(label->mapTo(&london, QPoint(0, 0)), label->size());
            EXPECT_GE(worstContrast(behind, area, label->palette().color(QPalette::WindowText)),
                      3.0);
        }
    }
}

// Whatever the colours of the map behind it, white or black, the title
// line and the body lines read clearly, and the game's name is lettered.
TEST(PaintedPictures, TheTitleTextReadsOnAnyMap)
{
    WorldGrid world;
    for (const QColor ground : {QColor(Qt::white), QColor(Qt::black)}) {
        SCOPED_TRACE(ground.name().toStdString());
        Bitmap sheet(TileSheet::SheetSize, TileSheet::SheetSize);
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                sheet.setPixel(x, y, ground.rgb());
        const QImage title = titlePicture(world, TileSheet(std::move(sheet)), QSize(480, 480));
        // The title line at (153, 120) in purple; the body lines from (79, 143)
        // to (79, 308), each 12 pixels high, in white, up to the panel's edge.
        EXPECT_GE(worstContrast(title, QRect(153, 120, 200, 16), QColor(128, 0, 128)), 4.5);
        EXPECT_GE(worstContrast(title, QRect(79, 143, 380, 180), Qt::white), 4.5);
        int gold = 0;
        for (int y = 20; y < 100; ++y) {
            for (int x = 0; x < 480; ++x) {
                const QColor c = title.pixelColor(x, y);
                gold += c.red() > 200 && c.green() > 120 && c.blue() < 100;
            }
        }
        EXPECT_GT(gold, 2000) << "the name is not lettered across the top";
    }
}

// The picture kept from London: under the map, the headline and the list
// of capitals stand out from their band, the list smaller than the
// headline yet large enough to read.
TEST(PaintedPictures, TheJourneyPicturesTextsReadClearly)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.state.Namae = "Rin";
    game.state.Level2 = true;
    game.state.day = 150 * MinutesPerDay;
    for (const auto& [x, y] : {std::pair(245, 118), std::pair(202, 128), std::pair(89, 60)})
        game.trail.enter(150, x, y);
    const QImage picture = journeyPicture(game);
    const QRect band(0, picture.height() - JourneyTextHeight, picture.width(), JourneyTextHeight);
    const QColor ground = groundOf(picture, band);
    EXPECT_GE(contrast(inkOf(picture, band, ground), ground), 4.5);
    const std::vector<int> lines = inkedRunHeights(picture, band, ground);
    ASSERT_GE(lines.size(), 2u) << "a headline and a list";
    EXPECT_GT(lines[0], lines[1]) << "the headline is larger than the list";
    EXPECT_GE(lines[1], 10) << "the list's letters are too small to read";
}

// The capital screen flies the flag of the country it is in, each time it
// opens: China's yellow stars on red, then Japan's red disc on white.
TEST(PaintedPictures, TheCapitalScreenFliesItsCountrysFlag)
{
    const auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
    const auto white = [](QColor c) { return c.lightness() > 230; };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 180 && c.blue() < 90; };
    struct Capital {
        const char* city;
        int hikerX, hikerY;
        std::uint8_t country;  // its region code
        std::function<void(const QImage&)> check;
    };
    const Capital capitals[] = {
        {"Beijing", 202, 128, 11,
         [&](const QImage& flag) {
             EXPECT_TRUE(red(at(flag, {100, 65})));
             int stars = 0;
             for (int y = 0; y < 40; ++y) {
                 for (int x = 0; x < 60; ++x)
                     stars += yellow(at(flag, {x, y}));
             }
             EXPECT_GT(stars, 50);
         }},
        {"Tokyo", 246, 118, 14,
         [&](const QImage& flag) {
             EXPECT_TRUE(red(at(flag, {60, 40})));
             EXPECT_TRUE(white(at(flag, {6, 6})));
             EXPECT_TRUE(white(at(flag, {113, 73})));
         }},
    };
    testing::PlayedGame played;
    GameState& s = played.game.state;
    s.capitalf = true;
    s.TitlePending = false;
    for (const Capital& capital : capitals) {
        SCOPED_TRACE(capital.city);
        s.MapX = static_cast<std::uint8_t>(capital.hikerX - 15);
        s.MapY = static_cast<std::uint8_t>(capital.hikerY - 14);
        s.leg.PP = capital.country;
        played.ui.show(WindowId::CapitalDlg);
        QApplication::processEvents();
        capital.check(played.child<QLabel>(WindowId::CapitalDlg, "Image1")->grab().toImage());
        played.ui.close(WindowId::CapitalDlg);
    }
}

// Once the words have flown in, seven coloured circles join the London
// picture; before that it is the picture alone.
TEST(PaintedPictures, LondonsCirclesComeOnlyWhenTheModelShowsThem)
{
    testing::PlayedGame played;
    QWidget* london = played.window(WindowId::LondonDlg);
    london->resize(london->sizeHint().expandedTo(QSize(440, 400)));
    played.game.LondonDlg.CirclesVisible = false;
    const QImage without = london->grab().toImage();
    played.game.LondonDlg.CirclesVisible = true;
    const QImage with = london->grab().toImage();
    const auto colours = [](const QImage& image) {
        std::set<QRgb> seen;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        }
        return seen.size();
    };
    EXPECT_GT(colours(with), colours(without));
}

// The version box carries the program's own icon beside its name.
TEST(PaintedPictures, TheVersionBoxShowsTheProgramsIcon)
{
    testing::PlayedGame played;
    const auto* icon = played.child<QLabel>(WindowId::AboutBox, "ProgramIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

}  // namespace
}  // namespace korvalin
