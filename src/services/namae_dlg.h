#pragma once

#include <string>
#include <string_view>

namespace korvalin {

class GameCore;

// The name window that START opens. The edit box keeps its text, so a later
// START offers the previous name; an empty name is a name too.
class NamaeDlg {
public:
    static constexpr std::string_view Prompt = "あなたの名前を入力してください";
    static constexpr std::string_view OkCaption = "OK";
    // The name goes into the Shift-JIS diary and saved game, on one line of
    // at most 1023 bytes; blanks and tabs at its ends the file does not keep,
    // and the window trims them.
    static constexpr std::string_view UnwritableNameMessage =
        "名前に使えない文字が含まれています。\n別の文字で入力してください。";
    // A name whose only such letters are Latin ones with accents ("Zoë"):
    // Yes takes it with the plain letters (%1, "Zoe"), No goes back to the box.
    static constexpr std::string_view PlainLettersQuestion =
        "名前に使えない文字が含まれています。\n「%1」にしますか？";
    static constexpr std::string_view LineBreakMessage =
        "名前に改行は使えません。\n1行で入力してください。";
    static constexpr std::string_view TooLongMessage =
        "名前が長すぎます。\n全角511文字、半角1023文字までで入力してください。";

    explicit NamaeDlg(GameCore& game) : game_(game) {}

    void OKBtnClick();

    std::string Password;

private:
    void offerPlainLetters(const std::string& refusal);
    void take(std::string name);

    GameCore& game_;
};

}  // namespace korvalin
