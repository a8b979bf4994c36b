// The floor for start-up: a bare main window that quits as soon as the
// window system first asks it to paint.
#include <QApplication>

#include "first_exposure.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstExposure window;
    window.setWindowTitle(QStringLiteral("start floor"));
    window.resize(464, 460);
    window.show();
    return app.exec();
}
