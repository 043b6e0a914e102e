#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#ifndef NUMERANDIA_VERSION
#error "NUMERANDIA_VERSION must be defined by the build"
#endif

namespace cli {

namespace {

// The context of the program's own messages in its translations.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The factors of the big-screen mode, largest first.
constexpr std::array<double, 5> zoomFactors{3, 2.5, 2, 1.5, 1};

// The largest windows (the abacus and the composition windows) at factor 1, and room
// for the frame a window manager draws round them, which no factor scales.
constexpr double largestWidth = 594, largestHeight = 417;
constexpr double frameWidth = 16, frameHeight = 48;

// Qt's own options, which the application object takes out of the arguments itself:
// known to the parser, so that they are no error, but not shown in the help.
const char *const qtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "display", "name", "session", "style", "stylesheet",
                                          "qwindowgeometry", "geometry", "qwindowtitle", "title",
                                          "qwindowicon", "icon"};
const char *const qtOptionsAlone[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

// The parser's own texts that the help and the errors show, marked here so that the
// program's translations carry them: Qt's own are not installed with the program.
[[maybe_unused]] const char *const parserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

QString line(const QString &text)
{
    return QStringLiteral("numerandia: ") + text + QLatin1Char('\n');
}

Command failure(const QString &text)
{
    Command command;
    command.exitStatus = 2;
    command.error = line(text);
    return command;
}

void print(std::FILE *stream, const QString &text)
{
    if (!text.isEmpty()) {
        std::fputs(text.toUtf8().constData(), stream);
        std::fflush(stream);
    }
}

} // namespace

std::unique_ptr<QTranslator> installTranslation(const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>();
    if (!QCoreApplication::instance()
        || !translator->load(locale, QStringLiteral("numerandia"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

Command parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are written with one dash and a whole word: "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr("Arithmetic exercise book for primary school."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        CommandLine::tr("Enlarges every window for an interactive whiteboard or a projector: "
                        "1, 1.5, 2, 2.5 or 3 (normal: 1)."),
        CommandLine::tr("FACTOR"));
    parser.addOption(zoom);
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption qt(QLatin1String(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char *name : qtOptionsAlone) {
        QCommandLineOption qt{QLatin1String(name)};
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }

    if (!parser.parse(arguments))
        return failure(parser.errorText() + QLatin1Char(' ') + CommandLine::tr("See --help."));
    if (!parser.positionalArguments().isEmpty())
        return failure(CommandLine::tr("Unexpected argument '%1'. See --help.")
                           .arg(parser.positionalArguments().constFirst()));
    // The help with Qt's options too: the parser prints it and ends the program.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);

    Command command;
    if (parser.isSet(help)) {
        command.exitStatus = 0;
        command.output = parser.helpText();
        return command;
    }
    if (parser.isSet(version)) {
        command.exitStatus = 0;
        command.output = QCoreApplication::applicationName() + QLatin1Char(' ')
            + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return command;
    }
    if (parser.isSet(zoom)) {
        // A decimal comma is as good as a point: an Italian teacher writes 1,5.
        const QString value = parser.value(zoom);
        bool number = false;
        const double factor = QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&number);
        if (!number || std::find(zoomFactors.begin(), zoomFactors.end(), factor) == zoomFactors.end())
            return failure(CommandLine::tr("Invalid value for --zoom: '%1'. Allowed values: 1, 1.5, 2, 2.5, 3.")
                               .arg(value));
        command.zoom = factor;
    }
    return command;
}

double fittingZoom(double wanted, QSizeF available)
{
    for (const double factor : zoomFactors) {
        if (factor <= wanted && largestWidth * factor + frameWidth <= available.width()
            && largestHeight * factor + frameHeight <= available.height())
            return factor;
    }
    return 1;
}

Start start(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Numerandia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMERANDIA_VERSION));

    // The application object keeps references to its arguments and takes Qt's own
    // options out of them; each one made here needs them whole again.
    static int applicationArgc;
    static std::vector<char *> applicationArgv;
    const auto arguments = [&] {
        applicationArgc = argc;
        applicationArgv.assign(argv, argv + argc + 1);
        return applicationArgv.data();
    };

    // Without arguments there is nothing to read, and the program starts at once.
    Command command;
    if (argc > 1) {
        // Read under a core application, which needs no display, so that --help answers
        // anywhere; the help names the program as its users call it.
        char name[] = "numerandia";
        arguments()[0] = name;
        QCoreApplication reader(applicationArgc, applicationArgv.data());
        const auto translation = installTranslation(QLocale());
        command = parse(QCoreApplication::arguments());
    }
    print(stdout, command.output);
    print(stderr, command.error);
    if (command.exitStatus != Command::run)
        return {nullptr, command.exitStatus};

    const auto makeApplication = [&](double factor) {
        if (factor > 1)
            qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        else if (factor == 1)
            qunsetenv("QT_SCALE_FACTOR");
        return std::make_unique<QApplication>(applicationArgc, arguments());
    };

    // Without --zoom nothing is set, so a QT_SCALE_FACTOR of the user's own stays.
    std::unique_ptr<QApplication> application = makeApplication(command.zoom);
    // The screen is known only now. Where the largest windows would not fit it, make
    // the application again at the largest factor that fits, before any window exists.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (command.zoom > 1 && screen) {
        const double fits = fittingZoom(command.zoom, QSizeF(screen->availableGeometry().size()) * command.zoom);
        if (fits < command.zoom) {
            const auto translation = installTranslation(QLocale());
            print(stderr, line(CommandLine::tr("The screen is too small for --zoom %1: using --zoom %2.")
                                   .arg(QString::number(command.zoom), QString::number(fits))));
            application.reset();
            application = makeApplication(fits);
        }
    }
    return {std::move(application), 0};
}

} // namespace cli
