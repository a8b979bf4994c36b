// Korvalin: hitchhiking from Kanazawa to London.
#include <QApplication>
#include <QFont>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/platform_texts.h"
#include "app/desktop_ui_qt.h"
#include "app/language_qt.h"
#include "app/splash_window.h"
#include "app/startup_qt.h"
#include "app/status_file_qt.h"
#include "app/system_clock.h"
#include "game/startup_error.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "widgets/desktop_fonts_qt.h"
#include "widgets/font_warmup_qt.h"
#include "widgets/text_qt.h"

using namespace korvalin;

namespace {

// A window that names the game's 12-pixel proportional Gothic reaches the
// platform's through the substitution; the application font names it
// directly, which spares Qt a second search for fallback fonts, one per
// script, while the game starts.
void setUpFonts()
{
    const QString gothic = gameFontFamily();
    QFont::insertSubstitution(qtext(GameFontFamily), gothic);
    QFont font(gothic);
    font.setPixelSize(12);
    QApplication::setFont(font);
}

// The game puts its windows beside and over each other, which a Wayland
// compositor does not let a program do; through the desktop's X server
// (Xwayland) it may. A platform the player chose is kept.
void preferXOnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace

int main(int argc, char* argv[])
{
    preferXOnWayland();
    FontWarmUp fontWarmUp;
    QApplication app(argc, argv);
    dressApplication();
    fontWarmUp.wait();
    setUpFonts();

    const StartingLanguage language = startingLanguage(QApplication::arguments());
    if (!language.language) {
        std::fprintf(stderr, "korvalin: %s\nusage: korvalin [--language ja|en]\n",
                     qPrintable(language.message));
        return 2;
    }
    DesktopUi ui(catalogueFolder(QApplication::applicationDirPath().toStdString()));
    if (!ui.speak(*language.language))
        ui.warning(fill(tr(platform_texts::CatalogueUnreadable), languageCode(*language.language)));

    // A save that a kill interrupted is settled before anything reads the
    // files; one that cannot be, the title screen's Load reports.
    const SaveFiles saveFiles = defaultSaveFiles();
    settleSavedGame(saveFiles);

    SystemClock clock;
    auto game = std::make_unique<Game>(ui, clock, saveFiles);

    auto* splash = new TForm2;
    splash->show();
    splash->setProgress(0);

    std::vector<std::unique_ptr<QWidget>> windows;
    try {
        windows =
            createWindows(*game, ui, [splash](int progress) { splash->setProgress(progress); });
    } catch (const StartupError& error) {
        delete splash;
        QMessageBox::critical(nullptr, QStringLiteral("Korvalin"), qtext(error.what()));
        return 1;
    }
    splash->deleteLater();

    if (const char* statusFile = std::getenv("KORVALIN_STATUS_FILE"))
        mirrorStatusBar(ui, statusFile);

    // Without a window manager nothing activates the main window; ask for it
    // so that its first activation brings up the title screen.
    QWidget* travel = ui.window(WindowId::Travel);
    travel->show();
    travel->activateWindow();
    const int status = app.exec();
    windows.clear();
    return status;
}
