#pragma once

#include <string_view>

#include "widgets/game_dialog_qt.h"

class QAbstractButton;
class QLabel;

namespace korvalin {

// A window's fixed texts keep their Japanese text as their key: the
// window's retranslate() shows them, in the language of play, when it is
// made and again when the language changes.
enum class TextFit {
    Kept,     // the widget's size is the window's to give
    Resized,  // the label is as wide as its text
};
void setFixedText(QLabel* label, std::string_view japanese, TextFit fit = TextFit::Kept);
void setFixedText(QAbstractButton* button, std::string_view japanese);
// Tool tips too, for the shop's hints.
void setFixedHint(QWidget* widget, std::string_view japanese);

// Shows every fixed text and hint of `window` in the language of play.
void retranslateFixedTexts(QWidget* window);

// A window whose fixed texts are all marked so: its retranslate() shows
// them. Each window runs it at the end of its constructor.
class FixedTextsDialog : public GameDialog {
    Q_OBJECT
public:
    using GameDialog::GameDialog;

    void retranslate() override { retranslateFixedTexts(this); }
};

}  // namespace korvalin
