// The floor for the game at rest with its marquee: idle_floor's bare window
// and 10 ms tick, and on every fifth tick, twenty times a second, a title
// moved one character to the right through setWindowTitle.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const QString title = QStringLiteral("title floor");
    window.setWindowTitle(title);
    window.resize(464, 460);
    window.show();

    // As the game's marquee: the title creeps right and jumps back after 85.
    constexpr int TicksPerTitle = 5;
    constexpr int MarqueeWidth = 85;
    int tickCount = 0;
    int indent = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        tick.start(10);
        if (++tickCount % TicksPerTitle != 0)
            return;
        indent = (indent + 1) % MarqueeWidth;
        window.setWindowTitle(QString(indent, QLatin1Char(' ')) + title);
    });
    tick.start(10);
    return app.exec();
}
