#pragma once

#include <array>
#include <string_view>

#include "services/choice.h"

namespace korvalin {

class GameCore;

// The telegram office: receive or send. A second telegram in one stay is
// refused with the small notice TSosindDlg.
class DenpoDlg {
public:
    static constexpr std::string_view ReceiveCaption = "電報を受け取る";
    static constexpr std::string_view SendCaption = "本国に電報を送る";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";
    static constexpr std::string_view OnceOnlyNotice = "同一都市では一度しか電報を打てません。";

    explicit DenpoDlg(GameCore& game) : game_(game) {}

    // The boxes' captions, in the language of play.
    void FormActivate();
    // A click on DenpoButton k (1, 2).
    void DenpoButtonClick(int k) { checkRadio(DenpoButtons, static_cast<std::size_t>(k - 1)); }
    void OKBtnClick();
    void CancelBtnClick();

    std::array<Choice, 2> DenpoButtons{{{std::string(ReceiveCaption)}, {std::string(SendCaption)}}};

private:
    GameCore& game_;
};

}  // namespace korvalin
