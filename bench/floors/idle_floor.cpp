// The floor for the game at rest: one bare window and a precise 10 ms
// single-shot timer restarted from its own empty slot, as the game's tick is.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("idle floor"));
    window.resize(464, 460);
    window.show();

    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, [&tick] { tick.start(10); });
    tick.start(10);
    return app.exec();
}
