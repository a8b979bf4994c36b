#pragma once

#include "services/arbeit_dlg.h"
#include "services/service_dialog_qt.h"

class QLineEdit;

namespace korvalin {

// The part-time job: the job, the days to work, OK or cancel.
class TArbeitDlg : public ServiceDialog {
    Q_OBJECT
public:
    TArbeitDlg(GameCore& game, ArbeitDlg& model);

    void sync() override;

protected:
    void formShow() override;
    void formActivate() override;

private:
    QLabel* Label1;  // the job on offer
    QLineEdit* Edit1;
    ArbeitDlg& model_;
};

}  // namespace korvalin
