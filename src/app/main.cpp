#include "app/frminizio.h"
#include "ui/fonts.h"
#include "ui/registry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerandia"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Numerandia"));
    // The registry decides when the last window has gone: a window without a
    // task-bar entry still keeps the program running.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::registerFontSubstitutes();

    ui::show<frminizio>();
    const int status = QApplication::exec();
    ui::Registry::instance().destroyAll();
    return status;
}
