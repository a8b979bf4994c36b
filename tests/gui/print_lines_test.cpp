#include "widgets/print_lines_qt.h"

#include <QFontMetrics>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "widgets/diary_font_qt.h"

namespace korvalin {
namespace {

// pdftotext gives an ideographic space back as a plain one and splits the
// text into words at the blanks; the words must come back as written.
std::string normalised(const QString& line)
{
    QString text = line;
    return text.replace(QChar(0x3000), QLatin1Char(' ')).simplified().toStdString();
}

class PrintLinesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("diary.pdf")));
    }

    // The printed lines, page after page, read back from the PDF: each word
    // goes to the printed line its height on the page gives, so that empty
    // lines count too.
    std::vector<std::string> printedLines()
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-tsv"), printer.outputFileName(), QStringLiteral("-")});
        process.waitForFinished();
        const QStringList rows = QString::fromUtf8(process.readAllStandardOutput()).split('\n');

        constexpr qreal PointsPerInch = 72;
        const qreal top = printer.pageLayout().paintRect(QPageLayout::Point).top();
        const qreal spacing = QFontMetrics(diaryPrintFont(), &printer).lineSpacing() *
                              PointsPerInch / printer.resolution();
        QMap<int, QMap<int, QStringList>> pages;  // page -> line -> words
        for (const QString& row : rows) {
            const QStringList cells = row.split('\t');
            // level page par block line word left top width height conf text
            if (cells.size() < 12 || cells[0] != QLatin1String("5"))
                continue;
            const int line =
                static_cast<int>(std::floor((cells[7].toDouble() - top) / spacing + 0.5));
            pages[cells[1].toInt()][line].append(cells[11]);
        }
        pagesRead = static_cast<int>(pages.size());
        std::vector<std::string> lines;
        for (const auto& page : pages) {
            for (int i = 0; i <= page.lastKey(); ++i)
                lines.push_back(page.value(i).join(QLatin1Char(' ')).toStdString());
        }
        return lines;
    }

    static std::vector<std::string> expected(const std::vector<std::string>& diary)
    {
        std::vector<std::string> lines;
        for (const std::string& line : diary)
            lines.push_back(normalised(QString::fromStdString(line)));
        return lines;
    }

    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    int pagesRead = 0;
};

TEST_F(PrintLinesTest, TheFirstDayPrintsItsFiveLinesOnePerLine)
{
    const std::vector<std::string> diary = {"", "　　　虹子日記", "", "1日目　97/12/20 （日本）",
                                            "　　金沢出発"};
    ASSERT_TRUE(printLines(printer, diary));
    EXPECT_EQ(printedLines(), expected(diary));
}

TEST_F(PrintLinesTest, ALongDiaryRunsOnOverThePagesWithoutLosingALine)
{
    std::vector<std::string> diary;
    for (int i = 1; i <= 150; ++i)
        diary.push_back("　　" + std::to_string(i) + "日目、ﾋｯﾁﾊｲｸで西へ。");
    ASSERT_TRUE(printLines(printer, diary));
    EXPECT_EQ(printedLines(), expected(diary));
    EXPECT_GE(pagesRead, 2);
}

// A printer that cannot start its job (here a file that cannot be made)
// prints nothing, and says so.
TEST_F(PrintLinesTest, AJobThatCannotStartIsReportedAsNotPrinted)
{
    printer.setOutputFileName(dir.filePath(QStringLiteral("no such folder/diary.pdf")));
    const std::vector<std::string> diary = {"　　金沢出発"};
    EXPECT_FALSE(printLines(printer, diary));
}

}  // namespace
}  // namespace korvalin
