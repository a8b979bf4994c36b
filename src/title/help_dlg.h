#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/colors.h"
#include "game/language.h"

namespace korvalin {

class GameCore;

// A course of the "Level" popup: it differs from the others only in the
// money that waits at the bank of the first capital.
struct Course {
    std::string_view caption;
    std::string_view hint;
    std::int32_t yokin;
};

inline constexpr std::array<Course, 3> Courses{{
    {.caption = "大王コース", .hint = "お金持ちのﾋｯﾁﾊｲｸ", .yokin = 200000},
    {.caption = "貧民コース", .hint = "普通のﾋｯﾁﾊｲｸ", .yokin = 100000},
    {.caption = "大貧民コース", .hint = "これぞ究極のﾋｯﾁﾊｲｸ", .yokin = 50000},
}};
static_assert(Courses.size() == 3);

// The title screen, which is also the manual of 45 pages: the course
// choice, START (or "Close" during a game), Load and the page buttons.
class HelpDlg {
public:
    static constexpr int FirstPage = 1;
    static constexpr int ContentsPage = 4;
    static constexpr int LastPage = 45;
    static constexpr int BodyLineCount = 9;

    static constexpr std::string_view VersionTitle = "Korvalin(v2.6)";
    static constexpr std::string_view NewJourneyCaption = "Start";
    static constexpr std::string_view InGameCaption = "Close";
    static constexpr std::string_view NoCourseMessage =
        "先にLevelボタンを右クリックして\nレベルを選んでください";

    // The bottom bar: captions as laid out, and the hints shown as tool tips.
    static constexpr std::string_view LoadCaption = "Load";
    static constexpr std::string_view LevelCaption = "Level";
    static constexpr std::string_view StartCaption = "START";
    static constexpr std::string_view ContentsCaption = "目次";
    static constexpr std::string_view PreviousCaption = "▲";
    static constexpr std::string_view NextCaption = "▼";
    static constexpr std::string_view LoadHint = "前回保存した位置からｽﾀｰﾄします";
    static constexpr std::string_view LevelHint = "右ｸﾘｯｸしてください";
    static constexpr std::string_view StartHint = "ｹﾞｰﾑのｽﾀｰﾄ、ｹﾞｰﾑへの復帰";
    static constexpr std::string_view PreviousHint = "前ページ";
    static constexpr std::string_view NextHint = "次ページ";
    // The language choice names the other language in its own words.
    static constexpr std::string_view ToEnglishCaption = "English";
    static constexpr std::string_view ToJapaneseCaption = "日本語";

    // The diary's first lines, written when the journey starts.
    static constexpr std::string_view DiaryTitleLine = "　　　%1日記";
    static constexpr std::string_view SetOffLine = "　　金沢出発";

    explicit HelpDlg(GameCore& game) : game_(game) {}

    void FormCreate();
    void FormActivate();
    void FormClose();
    // The window manager's close box, which some draw on every window.
    void CloseBoxClick();

    void startOrResume();       // START, or "Close" during a game
    void loadSavedGame();       // Load
    void turnToPreviousPage();  // ▲
    void turnToNextPage();      // ▼
    void turnToContents();      // 目次
    // English / 日本語, on the title screen only: plays in the other
    // language from now on.
    void LanguageClick();

    // A click on body line k (1..8) jumps to that section, but only while
    // the line still reads as the contents page lists it.
    void BodyLineClick(int k);
    void openStartSection() { BodyLineClick(1); }
    void openMovingSection() { BodyLineClick(2); }
    void openVisaSection() { BodyLineClick(3); }
    void openShoppingSection() { BodyLineClick(4); }
    void openTelegramSection() { BodyLineClick(5); }
    void openDiarySection() { BodyLineClick(6); }
    void openTerrainSection() { BodyLineClick(7); }
    void openMiscSection() { BodyLineClick(8); }

    void chooseKingCourse() { chooseCourse(0); }
    void choosePauperCourse() { chooseCourse(1); }
    void chooseUtterPauperCourse() { chooseCourse(2); }

    std::string TitleCaption{VersionTitle};
    std::array<std::string, BodyLineCount> BodyCaptions;
    std::string Label4Caption{StartCaption};
    std::string LanguageCaption{ToEnglishCaption};
    bool LevelVisible = true;                  // and the language choice
    std::uint32_t Label5Color = colors::Aqua;  // turns red once a game is loaded

private:
    void turnTo(int page);
    void showPage();
    void showCaptions();
    void closeWindow();
    void chooseCourse(std::size_t course);
    void writeFirstDiaryLines(const std::string& today);

    GameCore& game_;
    // Whether this showing of the window has chosen between "Start" and
    // "Close" yet, and which.
    bool captionChosen_ = false;
    bool inGame_ = false;
    // The version title stands over the first page until the player pages.
    bool versionTitle_ = true;
};

}  // namespace korvalin
