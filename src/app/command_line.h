#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QApplication;

// The program's command line: --help, --version and --zoom FACTOR, in Italian where
// the user's locale is Italian and in English otherwise. Everything here runs before
// the application object exists, because the zoom is Qt's own scale factor
// (QT_SCALE_FACTOR), which Qt reads only when that object is made.
namespace cli {

enum class Language { Italian, English };

// The language of messages for the locale in the environment: LC_ALL, else
// LC_MESSAGES, else LANG, with GNU's LANGUAGE list first unless the locale is C.
Language messagesLanguage();

// What the command line asks for.
struct Command {
    static constexpr int run = -1;
    int exitStatus = run;  // run: start the program; otherwise exit at once with it
    QString output;        // for standard output: the help or the version
    QString error;         // one line for standard error
    double zoom = 0;       // the --zoom factor; 0 when none was given
};

// Reads the arguments (the program's name first, as in argv). Qt's own options, such
// as -platform or -style, are left for the application object.
Command parse(const QStringList &arguments, Language language);

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
