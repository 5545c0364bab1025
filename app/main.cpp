// SKELDA's entry point. The propagation window is not built yet; the program opens its plain
// main window so that the build, the packaging and the start-up path can be exercised end to end.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("SKELDA"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
