#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/ports.h"

namespace korvalin {

class Game;

// What a window of the game runs as it opens (its show and activation
// handlers) and as it closes, as the Qt windows run them.
void runOpeningHandlers(Game& game, WindowId window);
void runClosingHandlers(Game& game, WindowId window);

// The windows as a player sees them, without a display: which are open,
// what the message boxes said, and the form handlers a window system runs
// when a window opens or closes. Confirmations are answered by the player.
class BotUi : public Ui {
public:
    void show(WindowId window) override;
    void showModal(WindowId window) override;
    void close(WindowId window) override;
    void setEnabled(WindowId window, bool enabled) override;

    void message(std::string_view text) override { said.emplace_back(text); }
    bool confirm(std::string_view text, Buttons buttons) override;
    void warning(std::string_view text) override { said.emplace_back(text); }
    void requestMainWindowClose() override { quitRequested = true; }
    bool printLines(std::span<const std::string>) override { return false; }
    // The bot plays in the language it was started in.
    void chooseLanguage(Language) override {}

    bool isOpen(WindowId window) const { return open_[index(window)]; }
    bool mainWindowEnabled() const { return mainEnabled_; }

    // Run when a window opens (its show and activation handlers) or closes.
    std::function<void(WindowId)> onOpen;
    std::function<void(WindowId)> onClose;
    // What a modal window does before it returns.
    std::function<void(WindowId)> onModal;
    std::function<bool(std::string_view)> answer;

    std::vector<std::string> said;
    bool quitRequested = false;

private:
    static std::size_t index(WindowId window) { return static_cast<std::size_t>(window); }

    std::array<bool, WindowCount> open_{};
    bool mainEnabled_ = true;
};

}  // namespace korvalin
