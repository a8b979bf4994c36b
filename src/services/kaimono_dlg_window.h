#pragma once

#include <array>

#include "services/service_dialog_qt.h"

namespace korvalin {

// The shop: six coloured rows of goods, one to choose.
class TKaimonoDlg : public ServiceDialog {
    Q_OBJECT
public:
    explicit TKaimonoDlg(Game& game);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 6> KaimonoButtons{};
};

}  // namespace korvalin
