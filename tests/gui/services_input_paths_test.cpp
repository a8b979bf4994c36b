// Every way out of the windows the capital screen opens, as the player
// takes it: Cancel, Escape and the close box leave without a yen or a
// diary line changing and the city's screen still there.
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

#include "support/played_game.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

struct Service {
    WindowId window;
    const char* opener;  // its action button on the capital screen
    const char* cancel;
};

const Service Services[] = {
    {WindowId::ArbeitDlg, "SpeedButton2", "Button2"},
    {WindowId::KaimonoDlg, "SpeedButton3", "CancelBtn"},
    {WindowId::SitiyaDlg, "SpeedButton4", "CancelBtn"},
    {WindowId::DenpoDlg, "SpeedButton5", "CancelBtn"},
    {WindowId::BankDlg, "SpeedButton6", "CancelBtn"},
};

struct Way {
    const char* name;
    std::function<void(PlayedGame&, const Service&)> take;
};

const Way WaysOut[] = {
    {"Cancel", [](PlayedGame& p,
                  const Service& s) { testing::click(p.child<QPushButton>(s.window, s.cancel)); }},
    {"Escape",
     [](PlayedGame& p, const Service& s) { QTest::keyClick(p.window(s.window), Qt::Key_Escape); }},
    {"the close box",
     [](PlayedGame& p, const Service& s) { testing::closeBox(p.window(s.window)); }},
};

void open(PlayedGame& p, const Service& service)
{
    testing::click(p.child<QToolButton>(WindowId::CapitalDlg, service.opener));
    QApplication::processEvents();
}

TEST(ServicesInputPaths, EveryWayOutButOkLeavesTheGameAsItWas)
{
    for (const Service& service : Services) {
        for (const Way& way : WaysOut) {
            SCOPED_TRACE(
                std::string(WindowTable[static_cast<std::size_t>(service.window)].className) +
                ", " + way.name);
            PlayedGame played;
            played.arriveInBeijing();
            const GameState& s = played.game.state;
            const int dd = s.dd;
            open(played, service);
            ASSERT_TRUE(played.window(service.window)->isVisible());
            way.take(played, service);
            QApplication::processEvents();
            EXPECT_EQ(played.shownWindows(), std::vector<std::string>{"TCapitalDlg"});
            EXPECT_EQ(s.yen, 50000);
            EXPECT_EQ(s.yokin, 20000);
            EXPECT_EQ(s.dd, dd);
        }
    }
}

}  // namespace
}  // namespace korvalin
