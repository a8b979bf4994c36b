// Every button of the capital screen's action bar, clicked as the player
// clicks it: each opens its service window, unfolds the embassies, asks at
// the door or answers in a box.
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

#include "capital/capital_texts.h"
#include "save/saved_game.h"
#include "support/played_game.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

struct Action {
    const char* button;
    // How the modal windows the click opens are answered, if any opens.
    std::function<void(testing::ModalAnswers&)> answer;
    // The windows shown afterwards; the modal windows and the boxes' texts.
    std::vector<std::string> shown;
    std::vector<std::string> modals;
    std::vector<std::string> boxes;
    std::function<void(PlayedGame&)> check;
};

const std::vector<std::string> CityOnly = {"TCapitalDlg"};

std::vector<std::string> cityAnd(const char* window)
{
    return {"TCapitalDlg", window};
}

// The help's Close, its START in a game.
void closeTheHelp(testing::ModalAnswers& answers)
{
    answers.next(
        [](QWidget* help) { testing::click(help->findChild<QLabel*>(QStringLiteral("Label4"))); });
}

// Which box opened, by the text the game gives it.
const std::string LeaveWithoutTheVisa(capital_texts::LeaveWithoutVisa);

const Action Actions[] = {
    {"SpeedButton1",
     [](auto& a) { a.nextBox(QMessageBox::No); },
     CityOnly,
     {"QMessageBox"},
     {LeaveWithoutTheVisa},
     {}},
    {"SpeedButton1",
     [](auto& a) { a.nextBox(QMessageBox::Yes); },
     {},
     {"QMessageBox"},
     {LeaveWithoutTheVisa},
     {}},
    {"SpeedButton2", {}, cityAnd("TArbeitDlg"), {}, {}, {}},
    {"SpeedButton3", {}, cityAnd("TKaimonoDlg"), {}, {}, {}},
    {"SpeedButton4", {}, cityAnd("TSitiyaDlg"), {}, {}, {}},
    {"SpeedButton5", {}, cityAnd("TDenpoDlg"), {}, {}, {}},
    {"SpeedButton6", {}, cityAnd("TBankDlg"), {}, {}, {}},
    {"SpeedButton7", {}, cityAnd("TNikkiDlg"), {}, {}, {}},
    {"SpeedButton8", closeTheHelp, CityOnly, {"THelpDlg"}, {}, {}},
    {"SpeedButton9", {}, cityAnd("TWorldMap"), {}, {}, {}},
    {"SpeedButton10",
     [](auto& a) { a.nextBoxes(2); },
     CityOnly,
     {"QMessageBox", "QMessageBox"},
     {std::string(VisaFirstMessage), std::string(DiaryOnlySavedMessage)},
     [](PlayedGame& p) {
         EXPECT_TRUE(std::filesystem::exists(p.game.saveFiles.diary));
         EXPECT_FALSE(std::filesystem::exists(p.game.saveFiles.ini));
     }},
    {"SpeedButton11",
     {},
     CityOnly,
     {},
     {},
     [](PlayedGame& p) { EXPECT_EQ(p.window(WindowId::CapitalDlg)->height(), 411); }},
    {"SpeedButton12",
     [](auto& a) { a.nextBox(QMessageBox::Ok); },
     CityOnly,
     {"QMessageBox"},
     {std::string(capital_texts::Greeting)},
     [](PlayedGame& p) {
         EXPECT_NE(p.game.diary.get(p.game.state.dd).find("Rin"), std::string::npos)
             << p.game.diary.get(p.game.state.dd);
     }},
};

TEST(CapitalInputPaths, EachActionDoesWhatItsButtonNames)
{
    for (const Action& action : Actions) {
        SCOPED_TRACE(action.button);
        PlayedGame played;
        played.arriveInBeijing();
        testing::ModalAnswers answers;
        if (action.answer)
            action.answer(answers);
        testing::click(played.child<QToolButton>(WindowId::CapitalDlg, action.button));
        QApplication::processEvents();
        EXPECT_EQ(answers.windows, action.modals);
        EXPECT_EQ(answers.texts, action.boxes);
        EXPECT_EQ(played.shownWindows(), action.shown);
        if (action.check)
            action.check(played);
    }
}

}  // namespace
}  // namespace korvalin
