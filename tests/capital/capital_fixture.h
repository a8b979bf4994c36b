#pragma once

#include <string>

#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "journey/journey_fixture.h"
#include "world/city_table.h"

namespace korvalin::testing {

// A game whose hiker stands beside a city, with the capital screen's model.
class CapitalTest : public JourneyTest {
protected:
    void standOn(int x, int y)
    {
        s.MapX = static_cast<std::uint8_t>(x - 15);
        s.MapY = static_cast<std::uint8_t>(y - 14);
    }

    // Arrives on that cell as the journey does, and shows the screen.
    void arriveAt(int x, int y, bool capital = true)
    {
        standOn(x, y);
        s.capitalf = capital;
        dlg.FormShow();
    }

    void arriveInTokyo() { arriveAt(246, 118); }

    // The cell the screen looks at for Japan's own embassy (and, one row
    // down, for the telegram office).
    void paintJapanAt(int dx, int dy) { useMap(TestMap().set(s.MapX + dx, s.MapY + dy, Japan)); }

    LegCodes leg() const { return s.leg; }

    CapitalDlg& dlg = game.CapitalDlg;
};

}  // namespace korvalin::testing
