#pragma once

#include <array>
#include <string>
#include <string_view>

namespace korvalin {

class Game;

// The bank, where the course money and money from home wait.
class BankDlg {
public:
    static constexpr std::string_view NothingDeposited = "入金されていません";
    static constexpr std::string_view Deposited = "下記の金額が入金されています。";
    static constexpr std::string_view Question = "受け取りますか？";
    static constexpr std::string_view OkCaption = "受け取り";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";

    explicit BankDlg(Game& game) : game_(game) {}

    // Runs on every activation and on show.
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();

    std::array<std::string, 3> Lines;  // Label1 .. Label3

private:
    Game& game_;
};

}  // namespace korvalin
