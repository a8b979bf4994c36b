// A fixed text follows a switch of language; a label sized to its text
// takes the new text's size, so that no word is cut.
#include <QLabel>

#include <gtest/gtest.h>

#include "services/arbeit_dlg.h"
#include "support/in_english.h"
#include "widgets/fixed_texts_qt.h"

namespace korvalin {
namespace {

TEST(FixedTexts, ALabelSizedToItsTextTakesTheNewTextsSize)
{
    QWidget window;
    auto* label = new QLabel(&window);
    setFixedText(label, ArbeitDlg::Question, TextFit::Resized);
    retranslateFixedTexts(&window);
    const int japanese = label->width();
    EXPECT_GE(japanese, label->sizeHint().width());

    InEnglish english;
    ASSERT_TRUE(english.ready());
    retranslateFixedTexts(&window);
    EXPECT_NE(label->text().toStdString(), std::string(ArbeitDlg::Question));
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_NE(label->width(), japanese);
}

}  // namespace
}  // namespace korvalin
