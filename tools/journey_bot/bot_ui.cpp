#include "bot_ui.h"

#include "session/game.h"

namespace korvalin {

void runOpeningHandlers(Game& game, WindowId window)
{
    switch (window) {
        case WindowId::CapitalDlg:
            game.CapitalDlg.FormShow();
            break;
        case WindowId::HelpDlg:
            game.HelpDlg.FormActivate();
            break;
        case WindowId::ArbeitDlg:
            game.ArbeitDlg.FormShow();
            game.ArbeitDlg.FormActivate();
            break;
        case WindowId::KaimonoDlg:
            game.KaimonoDlg.FormActivate();
            break;
        case WindowId::SitiyaDlg:
            game.SitiyaDlg.FormActivate();
            break;
        case WindowId::DenpoDlg:
            game.DenpoDlg.FormActivate();
            break;
        case WindowId::SosinDlg:
            game.SosinDlg.FormActivate();
            break;
        case WindowId::BankDlg:
            game.BankDlg.FormActivate();
            break;
        case WindowId::JusinDlg:
            game.JusinDlg.FormShow();
            break;
        default:
            break;
    }
}

void runClosingHandlers(Game& game, WindowId window)
{
    if (window == WindowId::CapitalDlg)
        game.CapitalDlg.FormClose();
    else if (window == WindowId::HelpDlg)
        game.HelpDlg.FormClose();
}

// Showing an open window only raises it: its show handler does not run again.
void BotUi::show(WindowId window)
{
    if (open_[index(window)])
        return;
    open_[index(window)] = true;
    if (onOpen)
        onOpen(window);
}

void BotUi::showModal(WindowId window)
{
    show(window);
    if (onModal)
        onModal(window);
    close(window);
}

void BotUi::close(WindowId window)
{
    if (!open_[index(window)])
        return;
    open_[index(window)] = false;
    if (onClose)
        onClose(window);
}

void BotUi::setEnabled(WindowId window, bool enabled)
{
    if (window == WindowId::Travel)
        mainEnabled_ = enabled;
}

bool BotUi::confirm(std::string_view text, Buttons)
{
    said.emplace_back(text);
    return answer ? answer(text) : true;
}

}  // namespace korvalin
