#include "app/command_line.h"
#include "app/frminizio.h"
#include "window/fonts.h"
#include "pictures/picture_icon_engine.h"
#include "window/registry.h"
#include "desktop/x11.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help, --version and a wrong command line end here; --zoom sets the scale.
    const cli::Start start = cli::start(argc, argv);
    if (!start.application)
        return start.exitStatus;
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Numerandia"));
    // The registry decides when the last window has gone: a window without a
    // task-bar entry still keeps the program running.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::registerFontSubstitutes();
    QApplication::setWindowIcon(ui::windowIcon());
    ui::x11::dropMisaddressedKeys();

    ui::setStartWindow([] { return ui::show<frminizio>(); });
    ui::show<frminizio>();
    const int status = QApplication::exec();
    ui::Registry::instance().destroyAll();
    return status;
}
