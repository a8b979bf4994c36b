#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "game/language.h"
#include "game/window_id.h"

namespace korvalin {

// What only the platform can do for the game: windows, message boxes,
// printing. The Qt front end implements it; tests use a recording fake.
class Ui {
public:
    enum class Buttons { YesNo, OkCancel };

    virtual ~Ui() = default;

    // Shows a window without waiting for it (bringing it to the front).
    virtual void show(WindowId window) = 0;
    // Shows a window and returns when the player has closed it.
    virtual void showModal(WindowId window) = 0;
    virtual void close(WindowId window) = 0;
    virtual void setEnabled(WindowId window, bool enabled) = 0;

    virtual void message(std::string_view text) = 0;
    // A confirmation whose Yes (or OK) returns true.
    virtual bool confirm(std::string_view text, Buttons buttons = Buttons::YesNo) = 0;
    virtual void warning(std::string_view text) = 0;

    // Asks the main window to close; its close query still runs.
    virtual void requestMainWindowClose() = 0;

    // Shows the print dialog and, when the player confirms it, prints the
    // lines as one job, one line per printed line. False when cancelled.
    virtual bool printLines(std::span<const std::string> lines) = 0;

    // Plays in the language from now on, remembered for the next start:
    // every window shows its texts anew, the platform's own dialogs too.
    virtual void chooseLanguage(Language language) = 0;
};

// What one screen asks of the others: the game above the screens carries it
// out, so that no screen reaches another's model.
class Stage {
public:
    virtual ~Stage() = default;

    // The journey begins again from Kanazawa, on the title screen, and the
    // ending window it was chosen in closes.
    virtual void restartJourney(WindowId endingWindow) = 0;
    // The saved game back, every screen showing it: the title screen closes
    // and the capital screen of the saved city opens. False when nothing was
    // loaded, the player told why.
    virtual bool loadSavedGame() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t millisecondsSinceMidnightUtc() const = 0;
    virtual std::chrono::year_month_day today() const = 0;
};

}  // namespace korvalin
