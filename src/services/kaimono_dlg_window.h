#pragma once

#include <array>

#include "services/kaimono_dlg.h"
#include "services/service_dialog_qt.h"

namespace korvalin {

// The shop: six coloured rows of goods, one to choose.
class TKaimonoDlg : public ServiceDialog {
    Q_OBJECT
public:
    TKaimonoDlg(GameCore& game, KaimonoDlg& model);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 6> KaimonoButtons{};
    KaimonoDlg& model_;
};

}  // namespace korvalin
