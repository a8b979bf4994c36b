#pragma once

#include <QDialog>

#include "game/window_id.h"

namespace korvalin {

class GameCore;

// Base of the game's dialog windows: captioned from the window table, owned
// for the life of the program, and redrawn from its form model by sync().
class GameDialog : public QDialog {
    Q_OBJECT
public:
    GameDialog(GameCore& game, WindowId id, QWidget* parent = nullptr);

    // Shows the model's current state; called after every handler.
    virtual void sync() {}

    // Puts the window's fixed texts (captions, hints) in the language of
    // play. Each window's constructor runs it, and a language change again.
    virtual void retranslate() {}

    // Each showing puts the window by its frame where frameSpot() says.
    void setVisible(bool visible) override;

protected:
    // Where the window's frame stands while shown: centred on the screen
    // unless the window has a place of its own.
    virtual QPoint frameSpot();
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    GameCore& game_;

private:
    WindowId id_;
};

// The caption of a window as the window table gives it, in the language of
// play.
QString windowCaption(WindowId id);

}  // namespace korvalin
