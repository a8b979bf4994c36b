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
    s.voidVisa();
    s.destination = 0;

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

// The journey begins again from the title screen: the state of a new
// journey, the main window on foot, the ending window closed.
void Game::restartJourney(WindowId endingWindow)
{
    diary.clearForRestart(state.dd);
    trail.clear();
    resetJourneyFields(state);
    // The marker's colour tells the mode announced last: walking again.
    const korvalin::Travel atStart{*this};
    Travel.Shape1Color = atStart.Shape1Color;
    Travel.Label3 = atStart.Label3;
    view.fullRedraw(state.MapX, state.MapY);

    ui.show(WindowId::HelpDlg);
    ui.close(endingWindow);
}

}  // namespace korvalin
