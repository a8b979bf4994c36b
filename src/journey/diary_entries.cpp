#include "journey/diary_entries.h"

#include "game/calendar.h"
#include "game/game_core.h"
#include "game/language.h"
#include "journey/diary_texts.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

bool japanToTheNorth(const GameCore& game)
{
    const GameState& s = game.state;
    return game.world.cell(s.hikerX(), s.hikerY() - 1) == RegionCodes(JapanEntry);
}

// The date of day n of the journey, counted from its start date.
std::string dateOfDay(const GameCore& game, int n)
{
    return dateAfter(game.state.mNow, n - 1);
}

std::string headingOfDay(const GameCore& game, int n)
{
    return dayHeading(n, dateOfDay(game, n), game.state.countryCaption);
}

// A day that closes on its own heading had nothing else to tell, so the
// diary says how the hiker spent it.
void writeQuietDayLine(GameCore& game, const DayTexts& texts, int newDay,
                       std::optional<TravelMode> mode)
{
    if (game.diary.get(game.state.dd) != headingOfDay(game, newDay - 1))
        return;
    if (mode == TravelMode::Walking || mode == TravelMode::ShoeWalking)
        game.appendDiaryNote(tr(texts.walking.at(game.random.randInt(2))));
    else if (mode == TravelMode::Horse)
        game.appendDiaryNote(tr(texts.horse));
    else if (mode == TravelMode::Camel)
        game.appendDiaryNote(tr(texts.camel));
}

void writeHeading(GameCore& game, int n)
{
    GameState& s = game.state;
    s.dd += 2;
    game.diary.put(s.dd - 1, "");
    game.diary.put(s.dd, headingOfDay(game, n));
    game.diary.put(s.dd + 1, Diary::NoteTrailer);
}

void writeSpecialDateLine(GameCore& game, Direction d, DayBranch branch, const DayTexts& texts,
                          int n)
{
    const SpecialDate* special = specialDateOn(dateOfDay(game, n));
    if (special == nullptr)
        return;
    switch (special->occasion) {
        case Occasion::ChristmasEve:
            // Turned back northward at the edge of Japan, the hiker is not abroad.
            if (!(d == Direction::North && branch == DayBranch::Refused && japanToTheNorth(game)))
                game.appendDiaryNote(tr(texts.christmas));
            break;
        case Occasion::NewYear:
            game.appendDiaryNote(tr(texts.newYear));
            break;
        case Occasion::AprilFirst:
            if (!japanToTheNorth(game))
                game.appendDiaryNote(tr(special->line));
            break;
        case Occasion::Valentine:
        case Occasion::WhiteDay:
        case Occasion::Tanabata:
            game.appendDiaryNote(tr(special->line));
            break;
    }
}

// The passenger-seat line in either language, so that a diary continued in
// the other language does not say it twice either.
bool isTruckPassengerLine(std::string_view line)
{
    return line == TruckPassengerLine || line == tr(TruckPassengerLine);
}

// Rides drawn 10..19 are all the same passenger seat, and the diary does
// not say so twice in a row.
void announceRide(GameCore& game, Direction d)
{
    GameState& s = game.state;
    game.reseed();
    const int k = static_cast<int>(game.random.randInt(20));
    ++s.dd;
    if (k < 10)
        game.diary.put(s.dd, vehicleLine(d, k, japanToTheNorth(game)));
    else if (!isTruckPassengerLine(game.diary.get(s.dd - 1)))
        game.diary.put(s.dd, tr(TruckPassengerLine));
    game.diary.put(s.dd + 1, Diary::NoteTrailer);
}

void announceShip(GameCore& game, Direction d)
{
    game.reseed();
    const int k = static_cast<int>(game.random.randInt(2));
    game.appendDiaryNote(shipLine(d, k, game.state.Namae));
}

}  // namespace

bool headStayDay(GameCore& game)
{
    GameState& s = game.state;
    const int n = s.dayNumber();
    if (s.dayold >= n)
        return false;
    s.dayold = n;
    s.dd += 2;
    game.diary.put(s.dd - 1, "");
    game.diary.put(s.dd,
                   fill(tr(StayDayHeading), n, shownDate(dateAfter(game.clock.today(), n - 1))));
    game.diary.put(s.dd + 1, Diary::EndTrailer);
    return true;
}

std::string dayHeading(int dayNumber, std::string_view date, std::string_view country)
{
    return fill(tr(DayHeading), dayNumber, shownDate(date), tr(country));
}

void dayChange(GameCore& game, Direction d, DayBranch branch, std::optional<TravelMode> shownMode)
{
    GameState& s = game.state;
    s.dayold = s.dayNumber();
    const int n = s.dayold;
    const DayTexts& texts = branch == DayBranch::Refused ? textsFor(d).refused : textsFor(d).normal;
    if (branch != DayBranch::Climbing)
        writeQuietDayLine(game, texts, n, shownMode);
    writeHeading(game, n);
    if (branch != DayBranch::Climbing)
        writeSpecialDateLine(game, d, branch, texts, n);
}

void announceMode(GameCore& game, TravelMode mode, Direction d)
{
    switch (mode) {
        case TravelMode::Horse:
            game.appendDiaryNote(tr(HorseMountLine));
            break;
        case TravelMode::Camel:
            game.appendDiaryNote(tr(CamelMountLine));
            break;
        case TravelMode::Ride:
            announceRide(game, d);
            break;
        case TravelMode::Ship:
            announceShip(game, d);
            break;
        case TravelMode::Climbing:
            game.appendDiaryNote(tr(textsFor(d).climbing));
            break;
        case TravelMode::Walking:
        case TravelMode::ShoeWalking:
            break;
    }
}

}  // namespace korvalin
