#pragma once

#include <array>

#include "services/service_dialog_qt.h"
#include "services/sosin_dlg.h"

namespace korvalin {

// Sending a telegram home: three texts to choose from.
class TSosinDlg : public ServiceDialog {
    Q_OBJECT
public:
    TSosinDlg(GameCore& game, SosinDlg& model);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 3> SosinButtons{};
    SosinDlg& model_;
};

}  // namespace korvalin
