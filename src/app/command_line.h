#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QApplication;
class QLocale;
class QTranslator;

// The program's command line: --help, --version and --zoom FACTOR, in the language of
// the user's locale where the program has a translation (Italian), else in English.
// It is read before the application object exists, because the zoom is Qt's own scale
// factor (QT_SCALE_FACTOR), which Qt reads only when that object is made.
namespace cli {

// The program's translation of its messages (and of the parser's own) for the
// locale, installed in the running application; none where there is no such
// translation or no application yet.
std::unique_ptr<QTranslator> installTranslation(const QLocale &locale);

// What the command line asks for.
struct Command {
    static constexpr int run = -1;
    int exitStatus = run;  // run: start the program; otherwise exit at once with it
    QString output;        // for standard output: the help or the version
    QString error;         // one line for standard error
    double zoom = 0;       // the --zoom factor; 0 when none was given
};

// Reads the arguments (the program's name first, as in argv), in the language of the
// translation installed. Qt's own options, such as -platform or -style, are left for
// the application object. Needs an application object (a core one will do).
Command parse(const QStringList &arguments);

// The largest listed factor, up to `wanted`, at which the largest windows and a frame
// fit `available`, the screen's available area in pixels at factor 1.
double fittingZoom(double wanted, QSizeF available);

// The program's start: parses the command line, prints the help, the version or an
// error and returns no application (then `exitStatus` says how to end); otherwise sets
// the zoom and returns the application object, made again at a smaller factor when
// the one asked for does not fit the screen.
struct Start {
    std::unique_ptr<QApplication> application;
    int exitStatus = 0;
};
Start start(int argc, char **argv);

} // namespace cli
