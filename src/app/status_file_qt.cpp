#include "app/status_file_qt.h"

#include <QObject>

#include <fstream>
#include <string>

#include "app/desktop_ui_qt.h"
#include "journey/travel_window.h"

namespace korvalin {

void mirrorStatusBar(DesktopUi& ui, const char* path)
{
    auto* travel = static_cast<TTravel*>(ui.window(WindowId::Travel));
    const auto write = [travel, file = std::string(path)] {
        std::ofstream out(file, std::ios::trunc);
        for (const std::string& caption : travel->statusCaptions())
            out << caption << '\n';
    };
    write();
    QObject::connect(travel, &TTravel::statusChanged, travel, write);
}

}  // namespace korvalin
