// The desktop Ui over stand-in windows: which window the keyboard goes to.
#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include "app/desktop_ui_qt.h"

namespace korvalin {
namespace {

// The main window, the capital screen and the bank opened from it. With no
// window manager, nothing but the game hands the keyboard on, as on weston.
class DesktopUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bank.setWindowFlags(bank.windowFlags() | Qt::WindowStaysOnTopHint);
        ui.registerWindow(WindowId::Travel, &main);
        ui.registerWindow(WindowId::CapitalDlg, &capital);
        ui.registerWindow(WindowId::BankDlg, &bank);
        main.show();
        main.activateWindow();
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    QWidget main;
    QDialog capital;
    QDialog bank;
    DesktopUi ui{KORVALIN_CATALOGUES};
};

TEST_F(DesktopUiTest, AClosedWindowHandsTheKeyboardToTheWindowInFront)
{
    ui.show(WindowId::CapitalDlg);
    ui.show(WindowId::BankDlg);
    settle();
    ASSERT_EQ(QApplication::activeWindow(), &bank);

    ui.close(WindowId::BankDlg);
    settle();
    EXPECT_EQ(QApplication::activeWindow(), &capital) << "after the bank";

    // Right after a box, before the activation is back.
    QApplication::setActiveWindow(nullptr);
    ui.close(WindowId::CapitalDlg);
    settle();
    EXPECT_EQ(QApplication::activeWindow(), &main) << "after the capital screen";
}

// While the capital screen holds the game, a click on the main window
// (xfwm4 activates it when a box closes) brings the capital screen forward.
TEST_F(DesktopUiTest, ActivatingTheWaitingMainWindowActivatesTheWindowInFront)
{
    ui.show(WindowId::CapitalDlg);
    main.setEnabled(false);
    settle();
    main.activateWindow();
    settle();
    EXPECT_EQ(QApplication::activeWindow(), &capital);
}

}  // namespace
}  // namespace korvalin
