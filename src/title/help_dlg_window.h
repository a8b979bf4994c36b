#pragma once

#include <QImage>

#include <array>
#include <string_view>

#include "title/help_dlg.h"
#include "widgets/game_dialog_qt.h"

class QLabel;
class QMenu;

namespace korvalin {

class ClickLabel;
class HelpDlg;

// The title screen and manual. It holds no rule: clicks go to the HelpDlg
// model and sync() shows the model's captions.
class THelpDlg : public GameDialog {
    Q_OBJECT
public:
    static constexpr int ClientSize = 480;
    static constexpr int BarHeight = 24;

    THelpDlg(GameCore& game, HelpDlg& model);

    void sync() override;
    void retranslate() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    template <typename Handler>
    void run(Handler handler);
    ClickLabel* barLabel(QWidget* bar, const char* name, int left);
    void buildBody();
    void buildBar();
    void buildCourseMenu();

    HelpDlg& model_;
    QImage picture_;  // at the screen's pixel density, made when first painted
    QLabel* Label1;   // the title line
    std::array<ClickLabel*, 9> bodyLines_{};
    ClickLabel* Label4;   // START / Close
    ClickLabel* Label5;   // Load
    ClickLabel* Label6;   // ▲
    ClickLabel* Label7;   // ▼
    ClickLabel* Label13;  // 目次
    ClickLabel* levelLabel_;
    ClickLabel* languageLabel_;  // English / 日本語
    QMenu* courseMenu_;
};

}  // namespace korvalin
