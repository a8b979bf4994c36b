#pragma once

#include <array>

#include "services/service_dialog_qt.h"

namespace korvalin {

// The bank: three lines on the money waiting, collect or cancel.
class TBankDlg : public ServiceDialog {
    Q_OBJECT
public:
    explicit TBankDlg(Game& game);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QLabel*, 3> Lines{};  // Label1 .. Label3
};

}  // namespace korvalin
