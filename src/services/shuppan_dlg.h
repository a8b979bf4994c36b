#pragma once

#include <string>
#include <string_view>

#include "services/nikki_dlg.h"

namespace korvalin {

class GameCore;

// The offer to publish (print) the diary after a record arrival in London.
class ShuppanDlg {
public:
    // The window's title and offer: %1 the player's name.
    static constexpr std::string_view CaptionTemplate = NikkiDlg::CaptionTemplate;
    static constexpr std::string_view OfferTemplate = "%1日記を出版（印刷）しますか？";
    static constexpr std::string_view Preparing = "出版の準備をしています。";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";

    explicit ShuppanDlg(GameCore& game) : game_(game) {}

    void FormShow();
    // Saves the diary to Nikki.txt in the working directory, then prints
    // lines 0 to dd if the player confirms the print dialog.
    void OKBtnClick();
    void CancelBtnClick();

    std::string Caption;
    std::string Text;

private:
    GameCore& game_;
};

}  // namespace korvalin
