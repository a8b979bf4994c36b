#include "game_texts.h"

#include <string_view>

#include "app/platform_texts.h"
#include "capital/arrival_lines.h"
#include "capital/capital_texts.h"
#include "capital/country_facts.h"
#include "capital/visa_lines.h"
#include "endings/end_dlg.h"
#include "endings/london_dlg.h"
#include "game/diary.h"
#include "game/game_state.h"
#include "game/language.h"
#include "game/startup_error.h"
#include "game/window_id.h"
#include "journey/country_entry_table.h"
#include "journey/diary_entries.h"
#include "journey/diary_texts.h"
#include "journey/status_captions.h"
#include "journey/travel.h"
#include "journey/travel_modes.h"
#include "maps/place_names.h"
#include "save/diary_file.h"
#include "save/file_messages.h"
#include "save/saved_game.h"
#include "save/trail_file.h"
#include "services/about_box.h"
#include "services/arbeit_dlg.h"
#include "services/arbeit_jobs.h"
#include "services/bank_dlg.h"
#include "services/chokko_dlg.h"
#include "services/denpo_dlg.h"
#include "services/goods.h"
#include "services/jusin_dlg.h"
#include "services/kaimono_dlg.h"
#include "services/lost_dlg.h"
#include "services/namae_dlg.h"
#include "services/nikki_dlg.h"
#include "services/shuppan_dlg.h"
#include "services/sitiya_dlg.h"
#include "services/sosin_dlg.h"
#include "services/telegram_replies.h"
#include "title/help_dlg.h"
#include "title/help_pages.h"
#include "world/city_table.h"
#include "world/country_table.h"
#include "world/region_table.h"
#include "world/tile_sheet.h"

namespace korvalin {

namespace {

class Walk {
public:
    // Empty texts stand for "nothing shown" and are left out; a text is
    // listed as the player sees it, in the language of play.
    void add(const std::string& place, std::string_view text)
    {
        if (!text.empty())
            texts_.push_back({place, std::string(tr(text))});
    }

    // A text as it stands: one that reads the same in every language, or one
    // already in the language of play.
    void addUntranslated(const std::string& place, std::string_view text)
    {
        texts_.push_back({place, std::string(text)});
    }

    template <typename Texts>
    void addAll(const std::string& place, const Texts& texts)
    {
        for (std::string_view text : texts)
            add(place, text);
    }

    std::vector<GameText> take() { return std::move(texts_); }

private:
    std::vector<GameText> texts_;
};

void windowsAndTitle(Walk& walk)
{
    for (const WindowInfo& window : WindowTable)
        walk.addUntranslated("window/" + std::string(window.className), captionOf(window.id));
    walk.addAll("platform", std::initializer_list<std::string_view>{
                                platform_texts::MessageTitle, platform_texts::ConfirmTitle,
                                platform_texts::WarningTitle, platform_texts::Yes,
                                platform_texts::No, platform_texts::Cancel,
                                platform_texts::PrintFailed, platform_texts::CatalogueUnreadable,
                                platform_texts::SplashTitle, platform_texts::PleaseWait});

    walk.addAll("title",
                std::initializer_list<std::string_view>{
                    HelpDlg::VersionTitle, HelpDlg::NewJourneyCaption, HelpDlg::InGameCaption,
                    HelpDlg::NoCourseMessage, HelpDlg::LoadCaption, HelpDlg::LevelCaption,
                    HelpDlg::StartCaption, HelpDlg::ContentsCaption, HelpDlg::PreviousCaption,
                    HelpDlg::NextCaption, HelpDlg::LoadHint, HelpDlg::LevelHint, HelpDlg::StartHint,
                    HelpDlg::PreviousHint, HelpDlg::NextHint});
    for (const Course& course : Courses) {
        walk.add("title/course", course.caption);
        walk.add("title/course", course.hint);
    }
    walk.addUntranslated("title", HelpDlg::ToEnglishCaption);
    walk.addUntranslated("title", HelpDlg::ToJapaneseCaption);
    walk.add("diary/start", HelpDlg::DiaryTitleLine);
    walk.add("diary/start", HelpDlg::SetOffLine);
    for (std::size_t page = 0; page < HelpPages.size(); ++page) {
        const std::string place = "help/" + std::to_string(page + 1);
        walk.add(place, tr(HelpTitleContext, HelpPages[page].title));
        walk.addAll(place, helpPageLines(page));
    }
    walk.add("about", AboutBox::ProductName);
    walk.add("about", AboutBox::ReleaseDate);
    walk.add("about", AboutBox::OkCaption);
}

void travel(Walk& walk)
{
    walk.add("travel", Travel::Panel1Hint);
    walk.add("travel", Travel::Label6Hint);
    walk.add("travel", Travel::HelpMark);
    walk.add("travel", Travel::QuitQuestion);
    walk.add("travel", RideCaptionGoingWest);
    for (int yen : {0, 9999, 10000, 100000, 123456789})
        walk.add("travel/money", moneyCaption(yen));
    for (int day : {1, 99, 100})
        walk.add("travel/day", dayCaption(day * MinutesPerDay));
}

void places(Walk& walk)
{
    for (const CountryRow& country : CountryTable)
        walk.add("country", country.name);
    for (const CountryEntry& entry : CountryEntryTable) {
        walk.add("country/caption", entry.caption);
        walk.add("country/entry", entry.entryLine);
    }
    for (const Region& region : Regions) {
        walk.add("region", region.name);
        walk.add("region/capital", region.capital);
    }
    for (const CityRow& row : CityTable) {
        walk.add("city", row.caption);
        walk.add("city/name", cityName(row));
    }
    for (const PlaceName& city : CityNames)
        walk.add("map/city", city.name);
    for (const WaterBox& water : Waters)
        walk.add("map/water", water.place.name);
    walk.add("map/water", OpenSea.name);
}

void capitals(Walk& walk)
{
    namespace texts = capital_texts;
    walk.addAll("capital", std::initializer_list<std::string_view>{texts::Heading,
                                                                   texts::Button7Caption,
                                                                   texts::OkCaption,
                                                                   texts::CancelCaption,
                                                                   texts::EmbassySuffix,
                                                                   texts::ArrivalLine,
                                                                   texts::DepartureLine,
                                                                   texts::NoPassportToLeave,
                                                                   texts::LeaveWithoutVisa,
                                                                   texts::NoSelection,
                                                                   texts::NoPassportForVisa,
                                                                   texts::CrowdedCounter,
                                                                   texts::IssueVisa,
                                                                   texts::FeeShort,
                                                                   texts::VisaAfterWeek,
                                                                   texts::VisaAfterDay,
                                                                   texts::ApplicationLine,
                                                                   texts::CrowdedApplicationLine,
                                                                   texts::Reissue,
                                                                   texts::ReissueVisitLine,
                                                                   texts::ReissueFeeShort,
                                                                   texts::ReissueNoMoneyLine,
                                                                   texts::ReissuedLine,
                                                                   texts::Greeting,
                                                                   texts::GreetingLine,
                                                                   texts::AlreadyShopped,
                                                                   texts::TelegramsAbroadOnly,
                                                                   texts::MapLine});
    walk.addAll("capital/fact", texts::FactCaptions);
    walk.addAll("capital/hint", texts::Hints);

    for (const CountryRow& country : CountryTable) {
        const std::uint8_t code = RegionCodes(country.entries[0]);
        if (const CountryFacts* facts = factsByMainCode(code)) {
            const std::string place = "capital/facts/" + std::string(country.name);
            for (std::string_view fact : {facts->area, facts->population, facts->ethnicGroups,
                                          facts->language, facts->currency})
                walk.add(place, fact);
        }
        walk.add("capital/visa", visaApplicationLine(code, false));
        walk.add("capital/visa", visaApplicationLine(code, true));
    }
    GameState state;
    for (const CityRow& row : CityTable) {
        for (int visit = 0; visit < 2; ++visit)
            walk.addAll("capital/arrival", arrivalLines(row, state));
        walk.add("capital/departure", departureLine(row));
    }
}

void dayTexts(Walk& walk, const std::string& place, const DayTexts& day)
{
    walk.addAll(place, day.walking);
    walk.addAll(place, std::initializer_list<std::string_view>{day.horse, day.camel, day.christmas,
                                                               day.newYear});
}

void diary(Walk& walk)
{
    const std::pair<Direction, const char*> directions[] = {{Direction::North, "north"},
                                                            {Direction::South, "south"},
                                                            {Direction::West, "west"},
                                                            {Direction::East, "east"}};
    for (const auto& [direction, name] : directions) {
        const DirectionTexts& texts = textsFor(direction);
        const std::string place = std::string("diary/") + name;
        walk.addAll(place + "/vehicle", texts.vehicle);
        walk.add(place + "/vehicle", texts.vehicle7BesideJapan);
        walk.add(place + "/climbing", texts.climbing);
        walk.addAll(place + "/ship", texts.ship);
        dayTexts(walk, place + "/day", texts.normal);
        dayTexts(walk, place + "/refused", texts.refused);
    }
    walk.add("diary/heading", DayHeading);
    walk.add("diary/heading", StayDayHeading);
    walk.add("diary/ship", NamedShipLine.pattern);
    walk.add("diary/ride", TruckPassengerLine);
    walk.add("diary/ride", HorseMountLine);
    walk.add("diary/ride", CamelMountLine);
    for (const SpecialDate& date : SpecialDates)
        walk.add("diary/date", date.line);
    for (bool first : {true, false}) {
        for (bool abroad : {true, false})
            walk.add("diary/passport", passportLossLine(first, abroad));
    }
    for (Barrier barrier : {Barrier::Sea, Barrier::Mountain, Barrier::Border})
        walk.add("diary/turned-back", turnedBackLine(barrier));
    walk.add("diary/london", LondonLine1.pattern);
    walk.add("diary/london", LondonLine2);
    walk.add("diary/london", LondonLine3);
    walk.add("diary/end", Diary::EndTrailer);
}

void goods(Walk& walk)
{
    const auto good = [&walk](const std::string& place, const Good& g) {
        walk.add(place, g.caption);
        walk.add(place, g.diaryLine);
    };
    for (const ShopGood& g : ShopGoods) {
        good("shop", g.good);
        walk.add("shop", g.hint);
    }
    for (const CityGood& g : ShopCityGoods)
        good("shop/" + std::string(g.city), g.good);
    for (const Good& g : PawnGoods)
        good("pawn", g);
    for (const CityGood& g : PawnCityGoods)
        good("pawn/" + std::string(g.city), g.good);
}

void services(Walk& walk)
{
    walk.addAll("bank", std::initializer_list<std::string_view>{
                            BankDlg::NothingDeposited, BankDlg::Deposited, BankDlg::Question,
                            BankDlg::OkCaption, BankDlg::CancelCaption, BankDlg::SumLine,
                            BankDlg::ReceiptLine});
    for (const BankDlg::CourseMoneyRemark& remark : BankDlg::CourseMoneyRemarks)
        walk.add("bank", remark.line);
    walk.addAll(
        "telegram",
        std::initializer_list<std::string_view>{
            DenpoDlg::ReceiveCaption, DenpoDlg::SendCaption, DenpoDlg::OkCaption,
            DenpoDlg::CancelCaption, DenpoDlg::OnceOnlyNotice, SosinDlg::Prompt,
            SosinDlg::OkCaption, SosinDlg::CancelCaption, JusinDlg::Arrived, JusinDlg::NoneArrived,
            JusinDlg::OkCaption, JusinDlg::ReceivedLine, JusinDlg::NothingLine});
    for (const SosinDlg::Telegram& telegram : SosinDlg::Telegrams) {
        walk.add("telegram/send", telegram.caption);
        walk.add("telegram/send", telegram.diaryLine);
    }
    for (const auto* replies : {&PassportReplies, &GreetingReplies, &MoneyReplies}) {
        for (const TelegramReply& reply : *replies) {
            walk.add("telegram/reply", reply.text);
            walk.add("telegram/reply", reply.diaryLine);
        }
    }
    walk.addAll(
        "job", std::initializer_list<std::string_view>{
                   ArbeitDlg::Question, ArbeitDlg::DaysUnit, ArbeitDlg::OkCaption,
                   ArbeitDlg::CancelCaption, ArbeitDlg::NoDaysMessage, ArbeitDlg::NotANumberMessage,
                   ArbeitDlg::TooManyDaysMessage, ArbeitDlg::TenDaysMessage,
                   ArbeitDlg::NoMoreWorkMessage, ArbeitDlg::WagesLine});
    GameState state;
    for (bool clothes : {false, true}) {
        state.HaveHuku = clothes;
        for (std::uint8_t job = 0; job < 10; ++job) {
            state.arbeitno = job;
            walk.add("job/work", arbeitJob(state).caption);
            walk.add("job/work", arbeitJob(state).diaryLine);
        }
    }
    walk.addAll("shop", std::initializer_list<std::string_view>{
                            KaimonoDlg::Question, KaimonoDlg::OneOnly, KaimonoDlg::OkCaption,
                            KaimonoDlg::CancelCaption, KaimonoDlg::NoMoneyMessage,
                            KaimonoDlg::HorseMessage});
    walk.addAll("pawn", std::initializer_list<std::string_view>{
                            SitiyaDlg::Question, SitiyaDlg::AnyNumber, SitiyaDlg::OkCaption,
                            SitiyaDlg::CancelCaption});
    goods(walk);
    walk.addAll("name", std::initializer_list<std::string_view>{
                            NamaeDlg::Prompt, NamaeDlg::OkCaption, NamaeDlg::UnwritableNameMessage,
                            NamaeDlg::PlainLettersQuestion, NamaeDlg::LineBreakMessage,
                            NamaeDlg::TooLongMessage});
    walk.add("diary/window", NikkiDlg::CaptionTemplate);
    walk.add("diary/window", NikkiDlg::Button1Caption);
    walk.addAll("publish",
                std::initializer_list<std::string_view>{
                    ShuppanDlg::CaptionTemplate, ShuppanDlg::OfferTemplate, ShuppanDlg::Preparing,
                    ShuppanDlg::OkCaption, ShuppanDlg::CancelCaption});
    walk.addAll("lost", LostDlg::Lines);
    walk.add("lost", LostDlg::OkCaption);
    walk.add("straight", ChokkoDlg::Text);
    walk.add("straight", ChokkoDlg::OkCaption);
}

void endings(Walk& walk)
{
    walk.addAll("end", EndDlg::Lines);
    walk.addAll("end", std::initializer_list<std::string_view>{
                           EndDlg::OkCaption, EndDlg::CancelCaption, EndDlg::GiveUpLine});
    walk.addAll("london",
                std::initializer_list<std::string_view>{
                    LondonDlg::Label1Caption, LondonDlg::Label2Caption, LondonDlg::Label3Caption,
                    LondonDlg::Label4Caption, LondonDlg::Label5Caption, LondonDlg::Label6Caption,
                    LondonDlg::ArrivedLine, LondonDlg::AlmostLine, LondonDlg::Level1Line,
                    LondonDlg::Level2Line, LondonDlg::Level3Line, LondonDlg::Label9Caption,
                    LondonDlg::PictureFileName});
}

void files(Walk& walk)
{
    walk.addAll("save",
                std::initializer_list<std::string_view>{SavedMessage, DiaryOnlySavedMessage,
                                                        VisaFirstMessage, NoSavedGameMessage});
    walk.add("save", foreignDiaryMessage("Nikki.txt"));
    walk.add("save", trailDroppedMessage("Kiseki.txt"));
    walk.add("save", cannotWriteMessage("korvalin.ini"));
    walk.add("save", notAFileToSaveMessage("Nikki.txt"));
    walk.add("save", foreignJournalMessage("korvalin.journal"));
    walk.add("save", saveFinishedLaterMessage("Nikki.txt"));
    for (std::string_view refusal : {NotLoadedInUse, NotSavedInUse, NotCheckedInUse})
        walk.add("save", folderInUseMessage("saves", refusal));
    for (ReadFault fault :
         {ReadFault::Missing, ReadFault::NotAFile, ReadFault::TooLarge, ReadFault::Unreadable}) {
        walk.add("save/ini", savedGameReadMessage(fault, "korvalin.ini"));
        walk.add("save/diary", diaryReadMessage(fault, "Nikki.txt"));
    }
    for (TileSheetFault fault :
         {TileSheetFault::Missing, TileSheetFault::Unreadable, TileSheetFault::Broken})
        walk.add("start", tileSheetMessage(fault, {"Map25.BMP"}));
}

}  // namespace

std::vector<GameText> gameTexts()
{
    Walk walk;
    windowsAndTitle(walk);
    travel(walk);
    places(walk);
    capitals(walk);
    diary(walk);
    services(walk);
    endings(walk);
    files(walk);
    return walk.take();
}

std::string gameTextListing()
{
    std::string listing;
    for (const GameText& text : gameTexts()) {
        listing += text.place;
        listing += '\t';
        for (char c : text.text) {
            if (c == '\n')
                listing += "\\n";
            else
                listing += c;
        }
        listing += '\n';
    }
    return listing;
}

}  // namespace korvalin
