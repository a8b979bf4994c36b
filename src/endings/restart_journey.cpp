#include "endings/restart_journey.h"

#include "session/game.h"

namespace korvalin {

namespace {

void resetJourneyFields(GameState& s)
{
    const GameState start;
    s.pekingd = s.sould = s.moscowd = false;
    s.londonf = true;
    s.dayold = start.dayold;
    s.dd = start.dd;
    s.yen = start.yen;
    s.yokin = start.yokin;
    s.Start = true;
    s.day = start.day;
    s.MapX = start.MapX;
    s.MapY = start.MapY;
    s.leg.PP = s.leg.PN = start.leg.PP;
    // Unlike at program start, the third codes repeat the Japan Alps.
    s.leg.PPA = s.leg.PPB = s.leg.PNA = s.leg.PNB = start.leg.PPA;
    s.leg.PS = start.leg.PS;
    s.kk = start.kk;
    s.visaf = s.lostf = s.quitf = s.worked = s.buy = s.nyukoku = false;
    s.HaveMap = s.HaveKutu = s.HaveHuku = s.HaveCard = s.HaveHaramaki = s.Nikki = false;
    s.HaveDall = s.HaveUma = s.HavePearl = s.HaveRakuda = s.HaveTubo = s.HaveLion = false;
    s.Level1 = s.Level2 = s.Level3 = false;
    s.sosin1 = s.sosin2 = s.sosin3 = s.jusin1 = s.jusin2 = s.jusin3 = false;

    // The hiker stands still on the start cell, on foot: a cell move left
    // half done would carry him off Kanazawa.
    s.MoveDir = start.MoveDir;
    s.WantDir = start.WantDir;
    s.ScrollX = start.ScrollX;
    s.ScrollY = start.ScrollY;
    s.travelSpeed = start.travelSpeed;
    s.costRate = start.costRate;
    s.noRide = start.noRide;
    s.rideTicks = start.rideTicks;
    s.bounceCount = start.bounceCount;
    s.climbTicks = start.climbTicks;
}

}  // namespace

void restartJourney(Game& game, WindowId endingWindow)
{
    GameState& s = game.state;
    game.diary.clearForRestart(s.dd);
    game.trail.clear();
    resetJourneyFields(s);
    // The marker's colour tells the mode announced last: walking again.
    const Travel atStart{game};
    game.Travel.Shape1Color = atStart.Shape1Color;
    game.Travel.Label3 = atStart.Label3;

    game.KaimonoDlg.KaimonoButton6Visible = false;
    game.CapitalDlg.resetVisa();
    for (auto& destination : game.CapitalDlg.RadioButtons)
        destination.Checked = false;
    game.view.fullRedraw(s.MapX, s.MapY);

    game.ui.show(WindowId::HelpDlg);
    game.ui.close(endingWindow);
}

}  // namespace korvalin
