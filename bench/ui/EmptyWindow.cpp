// The start-up benchmark's yardstick: an empty Qt main window of the program's
// size, in a program that loads Qt Widgets and nothing else.
#include <QApplication>
#include <QMainWindow>

#include "FirstPaint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvel::bench::FirstPaint watcher;
    QMainWindow window;
    window.resize(934, 772);
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}
