#include "bot_ui.h"

namespace korvalin {

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
