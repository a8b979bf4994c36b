#include "capital/capital_dlg.h"

#include "app/game.h"

namespace korvalin {

void CapitalDlg::FormCreate() {}
void CapitalDlg::FormShow() {}
void CapitalDlg::FormClose() {}
void CapitalDlg::Image1Click() {}
void CapitalDlg::InfoPanelClick() {}
void CapitalDlg::C_TimerTimer() {}
void CapitalDlg::RadioButtonClick(int) {}
void CapitalDlg::OKBtnClick() {}
void CapitalDlg::Button7Click() {}
void CapitalDlg::SpeedButton11Click() {}
void CapitalDlg::SpeedButton12Click() {}
void CapitalDlg::SpeedButton2Click() {}
void CapitalDlg::SpeedButton3Click() {}
void CapitalDlg::SpeedButton4Click() {}
void CapitalDlg::SpeedButton5Click() {}
void CapitalDlg::SpeedButton6Click() {}
void CapitalDlg::SpeedButton7Click() {}
void CapitalDlg::SpeedButton8Click() {}
void CapitalDlg::SpeedButton9Click() {}
void CapitalDlg::SpeedButton10Click() {}
void CapitalDlg::SpeedButtonMouseMove(int) {}

}  // namespace korvalin
