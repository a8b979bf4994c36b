#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "game/ports.h"

class QTranslator;
class QWidget;
class QWindow;

namespace korvalin {

// The Ui port on Qt: every window of the game, registered as it is created.
class DesktopUi : public Ui {
public:
    explicit DesktopUi(std::filesystem::path catalogues);
    ~DesktopUi() override;

    void registerWindow(WindowId id, QWidget* window);
    QWidget* window(WindowId id) const { return windows_[index(id)]; }

    void show(WindowId window) override;
    void showModal(WindowId window) override;
    void close(WindowId window) override;
    void setEnabled(WindowId window, bool enabled) override;

    void message(std::string_view text) override;
    bool confirm(std::string_view text, Buttons buttons) override;
    void warning(std::string_view text) override;

    void requestMainWindowClose() override;
    bool printLines(std::span<const std::string> lines) override;

    void chooseLanguage(Language language) override;
    // Plays in the language without remembering it; false, with the game's
    // language kept, when its catalogue cannot be read.
    bool speak(Language language);

private:
    static std::size_t index(WindowId id) { return static_cast<std::size_t>(id); }
    // The window in front, which boxes and modal windows open over: a modal
    // window, else the latest shown of the windows over the main window,
    // else the active window, else the main window. Right after a box closes
    // no window is active yet, so the active window alone would put the next
    // box under a window kept over the main window, where it blocks the game
    // unseen.
    QWidget* frontWindow() const;
    // The windows the window manager keeps over the main window while they
    // are shown: those kept on top of the whole desktop, and the capital
    // screen, a dialog of the main window's that lets the player's other
    // programs come in front.
    bool overMainWindow(const QWidget* window) const;
    // A window stands in front of `owner`; one kept over the main window
    // belongs to it.
    void keepInFront(QWidget* window, QWidget* owner) const;
    void passOnFromDisabledMain(QWindow* focus) const;
    void noteShown(WindowId id) { shownAt_[index(id)] = ++showings_; }

    std::filesystem::path catalogues_;
    std::unique_ptr<QTranslator> qtTranslator_;  // Qt's own dialogs' texts
    std::array<QWidget*, WindowCount> windows_{};
    std::array<std::uint64_t, WindowCount> shownAt_{};
    std::uint64_t showings_ = 0;
};

}  // namespace korvalin
