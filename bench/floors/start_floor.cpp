// The floor for start-up: a bare main window that quits as soon as the
// window system first asks it to paint.
#include <QApplication>
#include <QMainWindow>

namespace {

class FirstExposure : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        QApplication::quit();
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstExposure window;
    window.setWindowTitle(QStringLiteral("start floor"));
    window.resize(464, 460);
    window.show();
    return app.exec();
}
