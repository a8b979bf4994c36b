#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/colors.h"
#include "game/game_state.h"

namespace korvalin {

class GameCore;

// The goal screen in London: four words fly in over the picture, the seven
// circles light up, and the journey is judged against the 190-day record.
class LondonDlg {
public:
    static constexpr int TimerInterval = 10;

    static constexpr std::string_view Label1Caption = "just";
    static constexpr std::string_view Label2Caption = "arrived";
    static constexpr std::string_view Label3Caption = "LONDON";
    static constexpr std::string_view Label4Caption = "Congratulations!";
    static constexpr std::string_view Label5Caption = "もう一度";
    static constexpr std::string_view Label6Caption = "終了";
    // %1 the days the journey took.
    static constexpr std::string_view ArrivedLine = "あなたは%1日でロンドンに到着しました";
    static constexpr std::string_view AlmostLine = "もう少しですね";
    static constexpr std::string_view Level1Line = "次は貧民コースにチャレンジしてください";
    static constexpr std::string_view Level2Line = "次は大貧民コースにチャレンジしてください";
    static constexpr std::string_view Level3Line = "もう一人前のヒッチハイカーです";
    static constexpr std::string_view Label9Caption = "旅の地図を保存";
    static constexpr std::string_view PictureFileName = "旅の地図.png";

    struct Word {
        int Left = 0;
        int Top = 0;
        bool Visible = false;
    };

    struct Line {
        std::string Caption;
        bool Visible = false;
    };

    explicit LondonDlg(GameCore& game) : game_(game) {}

    // Run on every showing: the animation starts over and the publish offer
    // may be made once more.
    void FormCreate();
    void stepCelebration();
    void playAgain();   // もう一度
    void endJourney();  // 終了
    // The player kept the picture of his journey at `path`, or it could not
    // be written there. It is offered once per showing.
    void journeyPictureSaved(const std::string& path, bool written);

    Word Label1{};                // just
    Word Label2{};                // arrived
    Word Label3{};                // LONDON
    Word Label4{};                // Congratulations!
    bool CirclesVisible = false;  // S_1 .. S_7
    Line Label7;
    Line Label8;
    std::uint32_t Color = colors::Black;
    bool shuppanf = true;       // the publish offer is still to be made
    bool Label9Visible = true;  // 旅の地図を保存, until the picture is kept

private:
    void judge();

    GameCore& game_;
};

}  // namespace korvalin
