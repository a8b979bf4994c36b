#pragma once

#include <array>

#include "services/service_dialog_qt.h"
#include "services/sitiya_dlg.h"

namespace korvalin {

// The pawn shop: six check boxes, as many as the hiker owns.
class TSitiyaDlg : public ServiceDialog {
    Q_OBJECT
public:
    TSitiyaDlg(GameCore& game, SitiyaDlg& model);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 6> SitiyaButtons{};
    SitiyaDlg& model_;
};

}  // namespace korvalin
