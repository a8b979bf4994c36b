#pragma once

#include <string>
#include <string_view>

#include "game/game_clock.h"

namespace korvalin {

class GameCore;

// Receiving the answer from home: shown, booked and credited to the bank
// as the window opens.
class JusinDlg {
public:
    static constexpr std::string_view Arrived = "次の電報が届いています。";
    static constexpr std::string_view NoneArrived = "電報は届いていません";
    static constexpr std::string_view OkCaption = "OK";
    // The diary's lines at the office: an answer read, and nothing there.
    static constexpr std::string_view ReceivedLine = "　　電報局で実家からの電報を受け取った。";
    static constexpr std::string_view NothingLine = "　　電報局に行ったが電報は届いていなかった。";
    static constexpr int PassportAnswerDelay = WeekMinutes;

    explicit JusinDlg(GameCore& game) : game_(game) {}

    void FormShow();
    void OKBtnClick();

    std::string Label1Caption;
    std::string Label2Caption;

private:
    GameCore& game_;
};

}  // namespace korvalin
