#pragma once

#include "game/ports.h"

namespace korvalin {

// A platform that shows nothing, for running the journey on its own: every
// window stays shut and every question is answered yes.
class HeadlessUi : public Ui {
public:
    void show(WindowId) override {}
    void showModal(WindowId) override {}
    void close(WindowId) override {}
    void setEnabled(WindowId, bool) override {}
    void message(std::string_view) override {}
    bool confirm(std::string_view, Buttons) override { return true; }
    void warning(std::string_view) override {}
    void requestMainWindowClose() override {}
    bool printLines(std::span<const std::string>) override { return true; }
    void chooseLanguage(Language) override {}
};

}  // namespace korvalin
