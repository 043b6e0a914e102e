// The second yardstick for start-up: the bare window with one labelled button placed
// where it stands, as every window with a control has. A labelled control is what
// wakes Qt's accessibility bridge, which looks for the session bus before the window
// can map; the bare window meets that work only after its map.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Labelled"));
    window.resize(289, 289);
    auto *button = new QPushButton(QStringLiteral("Esci"), &window);
    button->setGeometry(96, 120, 97, 33);
    window.show();
    return QApplication::exec();
}
