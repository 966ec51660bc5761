// The floor bench_startup measures the station against: a Qt Widgets window with nothing in it, started as the
// station starts (the same high-DPI settings, a frameless window shown maximised) and built with the same flags.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.showMaximized();
    return app.exec();
}
