#pragma once

#include <array>

#include "services/service_dialog_qt.h"

namespace korvalin {

// The telegram office: receive or send.
class TDenpoDlg : public ServiceDialog {
    Q_OBJECT
public:
    explicit TDenpoDlg(Game& game);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 2> DenpoButtons{};
};

}  // namespace korvalin
