#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <string_view>

#include "app/game_dialog_qt.h"
#include "services/choice.h"

namespace korvalin {

// Base of the windows the capital screen opens: shown without blocking it,
// most kept on top. The model's show and activation handlers run as the
// window is shown and whenever it becomes active again; every click runs
// its handler and then redraws the window from the model.
class ServiceDialog : public GameDialog {
    Q_OBJECT
public:
    enum class OnTop { Yes, No };

    ServiceDialog(Game& game, WindowId id, OnTop onTop);

protected:
    // The model's FormShow and FormActivate; none by default.
    virtual void formShow() {}
    virtual void formActivate() {}

    // Runs a handler of the model, then shows its state.
    void run(const std::function<void()>& handler);

    QLabel* label(std::string_view text, int left, int top);
    QPushButton* button(const char* name, std::string_view caption, int left, int top,
                        std::function<void()> handler);
    // A radio button or check box of the model, placed and wired to its
    // click handler. The model alone decides what is checked.
    QAbstractButton* choice(QAbstractButton* box, const QString& name, const QRect& geometry,
                            std::function<void()> handler);
    static void showChoice(QAbstractButton* box, const Choice& model, bool visible = true);

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

}  // namespace korvalin
