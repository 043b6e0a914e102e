// The yardstick for start-up: the least a Qt Widgets program can do to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(289, 289);
    window.show();
    return QApplication::exec();
}
