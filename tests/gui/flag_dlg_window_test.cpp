// The flag container: every country's picture is found by its image name,
// and a name without a picture finds nothing.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <set>

#include <gtest/gtest.h>

#include "capital/flag_dlg_window.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "world/country_table.h"

namespace korvalin {
namespace {

class FlagDlgTest : public ::testing::Test {
protected:
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    TFlagDlg flags{game};
};

TEST_F(FlagDlgTest, EveryCountryWithAFlagHasItsOwn120By80Picture)
{
    std::set<QByteArray> pictures;
    for (const CountryRow& country : CountryTable) {
        if (country.flag.empty())
            continue;
        const QImage picture = flags.flag(country.flag).toImage();
        ASSERT_EQ(picture.size(), QSize(120, 80)) << country.flag;
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        pictures.emplace(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
    }
    EXPECT_EQ(pictures.size(), CountryCount - 1u);

    // The name leads to its own country's picture: Japan's red disc on white.
    const QImage japan = flags.flag("JP_F").toImage();
    EXPECT_GT(japan.pixelColor(60, 40).red(), 150);
    EXPECT_LT(japan.pixelColor(60, 40).green(), 60);
    EXPECT_EQ(japan.pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(FlagDlgTest, TheUkAndUnknownNamesHaveNoPicture)
{
    const CountryRow* uk = findCountry("イギリス");
    ASSERT_NE(uk, nullptr);
    EXPECT_TRUE(flags.flag(uk->flag).isNull());
    EXPECT_TRUE(flags.flag(std::string_view()).isNull());
    EXPECT_TRUE(flags.flag("XX_F").isNull());
}

}  // namespace
}  // namespace korvalin
