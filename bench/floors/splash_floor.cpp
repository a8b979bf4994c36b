// The floor for start-up with a splash: a splash holding one line of
// Japanese text in IPA Gothic (found through fontconfig) is shown and
// painted first, then a bare main window that quits as soon as the window
// system first asks it to paint.
#include <QApplication>
#include <QLabel>

#include "first_exposure.h"

namespace {

class PaintedLabel : public QLabel {
public:
    using QLabel::QLabel;
    bool painted = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        painted = true;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PaintedLabel splash(QStringLiteral("少々お待ちください"), nullptr);
    splash.setWindowFlags(Qt::SplashScreen);
    splash.setWindowTitle(QStringLiteral("splash"));
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    splash.setFont(font);
    splash.resize(181, 202);
    splash.show();
    while (!splash.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    FirstExposure window;
    window.setWindowTitle(QStringLiteral("splash floor"));
    window.resize(464, 460);
    window.show();
    splash.close();
    return app.exec();
}
