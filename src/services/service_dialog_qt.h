#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <functional>
#include <string_view>

#include "services/choice.h"
#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// Base of the windows the capital screen opens: shown without blocking it,
// most kept on top. The model's show and activation handlers run as the
// window is shown and whenever it becomes active again; every click runs
// its handler and then redraws the window from the model.
class ServiceDialog : public FixedTextsDialog {
    Q_OBJECT
public:
    enum class OnTop { Yes, No };

    ServiceDialog(GameCore& game, WindowId id, OnTop onTop);

protected:
    // The model's FormShow and FormActivate; none by default.
    virtual void formShow() {}
    virtual void formActivate() {}

    // Runs a handler of the model, then shows its state.
    void run(const std::function<void()>& handler);

    // A fixed label as wide as its text, and a fixed button; both take
    // their Japanese text and show it in the language of play.
    QLabel* label(std::string_view japanese, int left, int top);
    QPushButton* button(const char* name, std::string_view japanese, int left, int top,
                        std::function<void()> handler);
    // OK, the default button, and Cancel 100 pixels to its right, running
    // the model's OKBtnClick and CancelBtnClick.
    template <typename Model>
    void okAndCancel(Model& model, int okLeft, int top)
    {
        button("OKBtn", Model::OkCaption, okLeft, top, [&model] {
            model.OKBtnClick();
        })->setDefault(true);
        button("CancelBtn", Model::CancelCaption, okLeft + 100, top,
               [&model] { model.CancelBtnClick(); });
    }
    // The model's radio buttons or check boxes, `prefix`1 to `prefix`N, one
    // under the other from `first`, each wired to click(k). The model alone
    // decides what is checked.
    template <typename Box, std::size_t N>
    std::array<QAbstractButton*, N> choiceColumn(const char* prefix, const QRect& first, int step,
                                                 const std::function<void(int)>& click)
    {
        std::array<QAbstractButton*, N> boxes{};
        for (int k = 1; k <= static_cast<int>(N); ++k) {
            const QString name = QString::fromLatin1(prefix) + QString::number(k);
            boxes[static_cast<std::size_t>(k - 1)] = choice(
                new Box, name, first.translated(0, step * (k - 1)), [click, k] { click(k); });
        }
        return boxes;
    }

    // Shows the model's boxes; the last one only while `lastVisible`.
    template <std::size_t N>
    static void showChoices(const std::array<QAbstractButton*, N>& boxes,
                            const std::array<Choice, N>& model, bool lastVisible = true)
    {
        for (std::size_t i = 0; i < N; ++i)
            showChoice(boxes[i], model[i], i + 1 < N || lastVisible);
    }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAbstractButton* choice(QAbstractButton* box, const QString& name, const QRect& geometry,
                            std::function<void()> handler);
    static void showChoice(QAbstractButton* box, const Choice& model, bool visible);
};

}  // namespace korvalin
