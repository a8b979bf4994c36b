#pragma once

#include "services/jusin_dlg.h"
#include "services/service_dialog_qt.h"

namespace korvalin {

// The answer from home: two lines and OK.
class TJusinDlg : public ServiceDialog {
    Q_OBJECT
public:
    TJusinDlg(GameCore& game, JusinDlg& model);

    void sync() override;

protected:
    void formShow() override;

private:
    QLabel* Label1;
    QLabel* Label2;
    JusinDlg& model_;
};

}  // namespace korvalin
