#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/ports.h"

namespace korvalin::testing {

// Records every call to the Ui and answers confirmations from a script
// (Yes when the script has run out).
class FakeUi : public Ui {
public:
    struct Call {
        std::string what;  // "show", "showModal", "close", "enable", "disable", "message", ...
        std::string detail;
    };

    void show(WindowId window) override { record("show", name(window)); }
    void showModal(WindowId window) override;
    void close(WindowId window) override { record("close", name(window)); }
    void setEnabled(WindowId window, bool enabled) override
    {
        record(enabled ? "enable" : "disable", name(window));
    }
    void message(std::string_view text) override { record("message", std::string(text)); }
    bool confirm(std::string_view text, Buttons buttons) override;
    void warning(std::string_view text) override { record("warning", std::string(text)); }
    void requestMainWindowClose() override { record("requestMainWindowClose", ""); }
    bool printLines(std::span<const std::string> lines) override;
    // Switches as the game would, from the catalogues the build compiled.
    void chooseLanguage(Language language) override;

    // What a modal window does while it is open.
    std::function<void(WindowId)> onModal;

    std::deque<bool> answers;
    std::vector<Call> calls;
    std::vector<std::string> printed;
    bool printConfirmed = true;

    static std::string name(WindowId window);
    int count(std::string_view what, std::string_view detail = {}) const;

private:
    void record(std::string what, std::string detail)
    {
        calls.push_back({std::move(what), std::move(detail)});
    }
};

class FakeClock : public Clock {
public:
    std::uint32_t milliseconds = 12345;
    std::chrono::year_month_day date{std::chrono::year{1997}, std::chrono::month{12},
                                     std::chrono::day{20}};

    std::uint32_t millisecondsSinceMidnightUtc() const override { return milliseconds; }
    std::chrono::year_month_day today() const override { return date; }
};

}  // namespace korvalin::testing
