#pragma once

#include <array>

#include "services/bank_dlg.h"
#include "services/service_dialog_qt.h"

namespace korvalin {

// The bank: three lines on the money waiting, collect or cancel.
class TBankDlg : public ServiceDialog {
    Q_OBJECT
public:
    TBankDlg(GameCore& game, BankDlg& model);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QLabel*, 3> Lines{};  // Label1 .. Label3
    BankDlg& model_;
};

}  // namespace korvalin
