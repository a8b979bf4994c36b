#pragma once

#include "services/service_dialog_qt.h"

namespace korvalin {

// The answer from home: two lines and OK.
class TJusinDlg : public ServiceDialog {
    Q_OBJECT
public:
    explicit TJusinDlg(Game& game);

    void sync() override;

protected:
    void formShow() override;

private:
    QLabel* Label1;
    QLabel* Label2;
};

}  // namespace korvalin
