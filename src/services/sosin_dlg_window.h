#pragma once

#include <array>

#include "services/service_dialog_qt.h"

namespace korvalin {

// Sending a telegram home: three texts to choose from.
class TSosinDlg : public ServiceDialog {
    Q_OBJECT
public:
    explicit TSosinDlg(Game& game);

    void sync() override;

protected:
    void formActivate() override;

private:
    std::array<QAbstractButton*, 3> SosinButtons{};
};

}  // namespace korvalin
