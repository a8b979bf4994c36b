#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/ports.h"

namespace korvalin {
class Game;
}

namespace korvalin::testing {

// The desktop without a display: showing a window runs the handlers its Qt
// window runs when it is shown and activated, closing it the close
// handler, and a modal window does what the test's player does in it
// before it returns. Boxes are recorded, confirmations answered from a
// script (Yes once it has run out).
class PlayingUi : public Ui {
public:
    void attach(Game& game) { game_ = &game; }

    void show(WindowId window) override;
    void showModal(WindowId window) override;
    void close(WindowId window) override;
    void setEnabled(WindowId, bool) override {}
    void message(std::string_view text) override { said.emplace_back(text); }
    bool confirm(std::string_view text, Buttons buttons) override;
    void warning(std::string_view text) override { said.emplace_back(text); }
    void requestMainWindowClose() override {}
    bool printLines(std::span<const std::string>) override { return false; }
    void chooseLanguage(Language) override {}

    bool isOpen(WindowId window) const { return open_[index(window)]; }

    std::function<void(WindowId)> onModal;
    std::deque<bool> answers;
    std::vector<std::string> said;

private:
    static std::size_t index(WindowId window) { return static_cast<std::size_t>(window); }
    void opened(WindowId window);

    Game* game_ = nullptr;
    std::array<bool, WindowCount> open_{};
};

}  // namespace korvalin::testing
