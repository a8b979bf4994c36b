// GoogleTest and Qt in one binary: the application object comes first.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include "app/startup_qt.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvalin::dressApplication();
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
