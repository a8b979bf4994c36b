#pragma once

#include <array>

#include "app/ports.h"

class QWidget;

namespace korvalin {

// The Ui port on Qt: every window of the game, registered as it is created.
class DesktopUi : public Ui {
public:
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

private:
    static std::size_t index(WindowId id) { return static_cast<std::size_t>(id); }
    QWidget* parentForBoxes() const;

    std::array<QWidget*, WindowCount> windows_{};
};

}  // namespace korvalin
