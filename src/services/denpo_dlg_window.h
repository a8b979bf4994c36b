#pragma once

#include <array>

#include "services/denpo_dlg.h"
#include "services/service_dialog_qt.h"

namespace korvalin {

// The telegram office: receive or send.
class TDenpoDlg : public ServiceDialog {
    Q_OBJECT
public:
    TDenpoDlg(GameCore& game, DenpoDlg& model);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 2> DenpoButtons{};
    DenpoDlg& model_;
};

}  // namespace korvalin
