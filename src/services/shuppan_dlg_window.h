#pragma once

#include "services/shuppan_dlg.h"
#include "widgets/fixed_texts_qt.h"

class QLabel;

namespace korvalin {

// The offer to publish the diary: a borderless red box kept on top.
class TShuppanDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    TShuppanDlg(GameCore& game, ShuppanDlg& model);

    void sync() override;

protected:
    QPoint frameSpot() override { return {84, 335}; }
    void showEvent(QShowEvent* event) override;

private:
    QLabel* textLine_;
    ShuppanDlg& model_;
};

}  // namespace korvalin
