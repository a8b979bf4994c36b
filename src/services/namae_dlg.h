#pragma once

#include <string>
#include <string_view>

namespace korvalin {

class Game;

// The name window that START opens. The edit box keeps its text, so a later
// START offers the previous name; an empty name is a name too.
class NamaeDlg {
public:
    static constexpr std::string_view Prompt = "あなたの名前を入力してください";
    static constexpr std::string_view OkCaption = "OK";
    // The name goes into the Shift-JIS diary and saved game.
    static constexpr std::string_view UnwritableNameMessage =
        "名前にShift-JISで書けない文字が含まれています。\n別の文字で入力してください。";

    explicit NamaeDlg(Game& game) : game_(game) {}

    void OKBtnClick();

    std::string Password;

private:
    Game& game_;
};

}  // namespace korvalin
