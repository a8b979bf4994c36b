#include "support/playing_ui.h"

#include "session/game.h"

namespace korvalin::testing {

// A window already open is only raised: its show handler does not run again.
void PlayingUi::show(WindowId window)
{
    if (open_[index(window)])
        return;
    open_[index(window)] = true;
    opened(window);
}

void PlayingUi::showModal(WindowId window)
{
    show(window);
    if (onModal)
        onModal(window);
    close(window);
}

void PlayingUi::close(WindowId window)
{
    if (!open_[index(window)])
        return;
    open_[index(window)] = false;
    if (window == WindowId::CapitalDlg)
        game_->CapitalDlg.FormClose();
    else if (window == WindowId::HelpDlg)
        game_->HelpDlg.FormClose();
}

bool PlayingUi::confirm(std::string_view text, Buttons)
{
    said.emplace_back(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void PlayingUi::opened(WindowId window)
{
    Game& g = *game_;
    switch (window) {
        case WindowId::CapitalDlg:
            g.CapitalDlg.FormShow();
            break;
        case WindowId::HelpDlg:
            g.HelpDlg.FormActivate();
            break;
        case WindowId::ArbeitDlg:
            g.ArbeitDlg.FormShow();
            g.ArbeitDlg.FormActivate();
            break;
        case WindowId::KaimonoDlg:
            g.KaimonoDlg.FormActivate();
            break;
        case WindowId::SitiyaDlg:
            g.SitiyaDlg.FormActivate();
            break;
        case WindowId::DenpoDlg:
            g.DenpoDlg.FormActivate();
            break;
        case WindowId::SosinDlg:
            g.SosinDlg.FormActivate();
            break;
        case WindowId::BankDlg:
            g.BankDlg.FormActivate();
            break;
        case WindowId::JusinDlg:
            g.JusinDlg.FormShow();
            break;
        default:
            break;
    }
}

}  // namespace korvalin::testing
