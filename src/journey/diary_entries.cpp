#include "journey/diary_entries.h"

#include "game/calendar.h"
#include "journey/diary_texts.h"
#include "session/game.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

bool japanToTheNorth(const Game& game)
{
    const GameState& s = game.state;
    return game.world.cell(s.hikerX(), s.hikerY() - 1) == RegionCodes(JapanEntry);
}

// The date of day n of the journey, counted from its start date.
std::string dateOfDay(const Game& game, int n)
{
    return dateAfter(game.state.mNow, n - 1);
}

std::string headingOfDay(const Game& game, int n)
{
    return dayHeading(n, dateOfDay(game, n), game.Travel.Label5.Caption);
}

// A day that closes on its own heading had nothing else to tell, so the
// diary says how the hiker spent it.
void writeQuietDayLine(Game& game, const DayTexts& texts, int newDay)
{
    if (game.diary.get(game.state.dd) != headingOfDay(game, newDay - 1))
        return;
    const std::string& mode = game.Travel.Label3.Caption;
    if (mode == settingsOf(TravelMode::Walking).caption)
        game.appendDiaryNote(texts.walking.at(game.random.randInt(2)));
    else if (mode == settingsOf(TravelMode::Horse).caption)
        game.appendDiaryNote(texts.horse);
    else if (mode == settingsOf(TravelMode::Camel).caption)
        game.appendDiaryNote(texts.camel);
}

void writeHeading(Game& game, int n)
{
    GameState& s = game.state;
    s.dd += 2;
    game.diary.put(s.dd - 1, "");
    game.diary.put(s.dd, headingOfDay(game, n));
    game.diary.put(s.dd + 1, Diary::NoteTrailer);
}

void writeSpecialDateLine(Game& game, Direction d, DayBranch branch, const DayTexts& texts, int n)
{
    const SpecialDate* special = specialDateOn(dateOfDay(game, n));
    if (special == nullptr)
        return;
    switch (special->occasion) {
        case Occasion::ChristmasEve:
            // Turned back northward at the edge of Japan, the hiker is not abroad.
            if (!(d == Direction::North && branch == DayBranch::Refused && japanToTheNorth(game)))
                game.appendDiaryNote(texts.christmas);
            break;
        case Occasion::NewYear:
            game.appendDiaryNote(texts.newYear);
            break;
        case Occasion::AprilFirst:
            if (!japanToTheNorth(game))
                game.appendDiaryNote(special->line);
            break;
        case Occasion::Valentine:
        case Occasion::WhiteDay:
        case Occasion::Tanabata:
            game.appendDiaryNote(special->line);
            break;
    }
}

// Rides drawn 10..19 are all the same passenger seat, and the diary does
// not say so twice in a row.
void announceRide(Game& game, Direction d)
{
    GameState& s = game.state;
    game.reseed();
    const int k = static_cast<int>(game.random.randInt(20));
    ++s.dd;
    if (k < 10)
        game.diary.put(s.dd, vehicleLine(d, k, japanToTheNorth(game)));
    else if (game.diary.get(s.dd - 1) != TruckPassengerLine)
        game.diary.put(s.dd, TruckPassengerLine);
    game.diary.put(s.dd + 1, Diary::NoteTrailer);
}

void announceShip(Game& game, Direction d)
{
    game.reseed();
    const int k = static_cast<int>(game.random.randInt(2));
    game.appendDiaryNote(shipLine(d, k, game.state.Namae));
}

}  // namespace

bool headStayDay(Game& game)
{
    GameState& s = game.state;
    const int n = s.dayNumber();
    if (s.dayold >= n)
        return false;
    s.dayold = n;
    s.dd += 2;
    game.diary.put(s.dd - 1, "");
    game.diary.put(s.dd, std::to_string(n) + "日目　" + dateAfter(game.clock.today(), n - 1));
    game.diary.put(s.dd + 1, Diary::EndTrailer);
    return true;
}

std::string dayHeading(int dayNumber, std::string_view date, std::string_view country)
{
    std::string heading = std::to_string(dayNumber);
    heading += "日目　";
    heading += date;
    heading += " （";
    heading += country;
    heading += "）";
    return heading;
}

void dayChange(Game& game, Direction d, DayBranch branch)
{
    GameState& s = game.state;
    s.dayold = s.dayNumber();
    const int n = s.dayold;
    const DayTexts& texts = branch == DayBranch::Refused ? textsFor(d).refused : textsFor(d).normal;
    if (branch != DayBranch::Climbing)
        writeQuietDayLine(game, texts, n);
    writeHeading(game, n);
    if (branch != DayBranch::Climbing)
        writeSpecialDateLine(game, d, branch, texts, n);
}

void announceMode(Game& game, TravelMode mode, Direction d)
{
    switch (mode) {
        case TravelMode::Horse:
            game.appendDiaryNote(HorseMountLine);
            break;
        case TravelMode::Camel:
            game.appendDiaryNote(CamelMountLine);
            break;
        case TravelMode::Ride:
            announceRide(game, d);
            break;
        case TravelMode::Ship:
            announceShip(game, d);
            break;
        case TravelMode::Climbing:
            game.appendDiaryNote(textsFor(d).climbing);
            break;
        case TravelMode::Walking:
        case TravelMode::ShoeWalking:
            break;
    }
}

}  // namespace korvalin
