#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#ifndef NUMERANDIA_VERSION
#error "NUMERANDIA_VERSION must be defined by the build"
#endif

namespace cli {

namespace {

// The factors of the big-screen mode, largest first.
constexpr std::array<double, 5> zoomFactors{3, 2.5, 2, 1.5, 1};

// The largest windows (the abacus and the composition windows) at factor 1, and room
// for the frame a window manager draws round them, which no factor scales.
constexpr double largestWidth = 594, largestHeight = 417;
constexpr double frameWidth = 16, frameHeight = 48;

struct Texts {
    const char *help;
    const char *unknownOption;   // %1: the option as typed
    const char *unexpectedArgument;
    const char *missingValue;
    const char *unexpectedValue;
    const char *badZoom;         // %1: the value as typed
    const char *zoomReduced;     // %1: the factor asked for, %2: the one used
};

constexpr Texts italian{
    "Uso: numerandia [OPZIONI]\n"
    "Quaderno di esercizi di aritmetica per la scuola primaria.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help        mostra questo aiuto ed esce\n"
    "  -v, --version     mostra la versione ed esce\n"
    "  --zoom FATTORE    ingrandisce tutte le finestre per la lavagna interattiva o il\n"
    "                    proiettore; FATTORE è 1, 1.5, 2, 2.5 o 3 (normale: 1)\n",
    "opzione sconosciuta «%1»; opzioni ammesse: --help, --version, --zoom FATTORE",
    "argomento inatteso «%1»; opzioni ammesse: --help, --version, --zoom FATTORE",
    "manca il valore di «%1»; valori ammessi: 1, 1.5, 2, 2.5, 3",
    "«%1» non vuole un valore",
    "valore non ammesso per --zoom: «%1»; valori ammessi: 1, 1.5, 2, 2.5, 3",
    "lo schermo è troppo piccolo per --zoom %1: uso --zoom %2",
};

constexpr Texts english{
    "Usage: numerandia [OPTIONS]\n"
    "Arithmetic exercise book for primary school.\n"
    "\n"
    "Options:\n"
    "  -h, --help        show this help and exit\n"
    "  -v, --version     show the version and exit\n"
    "  --zoom FACTOR     enlarge every window for an interactive whiteboard or a\n"
    "                    projector; FACTOR is 1, 1.5, 2, 2.5 or 3 (normal: 1)\n",
    "unknown option '%1'; allowed options: --help, --version, --zoom FACTOR",
    "unexpected argument '%1'; allowed options: --help, --version, --zoom FACTOR",
    "missing value for '%1'; allowed values: 1, 1.5, 2, 2.5, 3",
    "'%1' takes no value",
    "invalid value for --zoom: '%1'; allowed values: 1, 1.5, 2, 2.5, 3",
    "the screen is too small for --zoom %1: using --zoom %2",
};

const Texts &texts(Language language)
{
    return language == Language::Italian ? italian : english;
}

QString line(const char *text)
{
    return QStringLiteral("numerandia: ") + QString::fromUtf8(text) + QLatin1Char('\n');
}

Command failure(const char *text, const QString &what)
{
    Command command;
    command.exitStatus = 2;
    command.error = line(text).arg(what);
    return command;
}

// Qt's own options, which the application object takes out of the arguments itself:
// those that take a value, then those that stand alone.
bool isQtOption(const QString &argument, bool *takesValue)
{
    static const QStringList withValue{
        "platform", "platformpluginpath", "platformtheme", "plugin", "display", "name",
        "session", "style", "stylesheet", "qwindowgeometry", "geometry", "qwindowtitle",
        "title", "qwindowicon", "icon"};
    static const QStringList alone{"reverse", "nograb", "dograb", "sync", "widgetcount"};
    if (!argument.startsWith(QLatin1Char('-')))
        return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const bool joined = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    *takesValue = withValue.contains(name) && !joined;
    return withValue.contains(name) || alone.contains(name);
}

void print(std::FILE *stream, const QString &text)
{
    if (!text.isEmpty()) {
        std::fputs(text.toUtf8().constData(), stream);
        std::fflush(stream);
    }
}

} // namespace

Language messagesLanguage()
{
    QByteArray locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qgetenv(variable);
        if (!locale.isEmpty())
            break;
    }
    const QByteArray list = qgetenv("LANGUAGE");
    if (!locale.isEmpty() && locale != "C" && locale != "POSIX" && !list.isEmpty())
        locale = list.split(':').constFirst();
    const bool italianLocale = locale.startsWith("it")
        && (locale.size() == 2 || QByteArray("_.@").contains(locale.at(2)));
    return italianLocale ? Language::Italian : Language::English;
}

Command parse(const QStringList &arguments, Language language)
{
    const Texts &text = texts(language);
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool takesValue = false;
        if (i > 0 && isQtOption(arguments.at(i), &takesValue))
            i += takesValue ? 1 : 0;
        else
            ours << arguments.at(i);
    }

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption zoom("zoom", QString(), QStringLiteral("FACTOR"));
    parser.addOptions({help, version, zoom});
    if (!parser.parse(ours)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return failure(text.unknownOption,
                           (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        }
        // Qt's own error names the option between quotes; only its kind is needed here.
        const QString error = parser.errorText();
        const QString option = error.section(QLatin1Char('\''), 1, 1);
        return failure(error.startsWith(QLatin1String("Missing")) ? text.missingValue
                                                                  : text.unexpectedValue,
                       option);
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(text.unexpectedArgument, parser.positionalArguments().constFirst());

    Command command;
    if (parser.isSet(help)) {
        command.exitStatus = 0;
        command.output = QString::fromUtf8(text.help);
        return command;
    }
    if (parser.isSet(version)) {
        command.exitStatus = 0;
        command.output = QStringLiteral("Numerandia " NUMERANDIA_VERSION "\n");
        return command;
    }
    if (parser.isSet(zoom)) {
        // A decimal comma is as good as a point: an Italian teacher writes 1,5.
        const QString value = parser.value(zoom);
        bool number = false;
        const double factor = QString(value).replace(QLatin1Char(','), QLatin1Char('.'))
                                  .toDouble(&number);
        if (!number || std::find(zoomFactors.begin(), zoomFactors.end(), factor) == zoomFactors.end())
            return failure(text.badZoom, value);
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
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Language language = messagesLanguage();
    const Command command = parse(arguments, language);
    print(stdout, command.output);
    print(stderr, command.error);
    if (command.exitStatus != Command::run)
        return {nullptr, command.exitStatus};

    // The application object keeps references to its arguments and takes Qt's own
    // options out of them; a second one needs them whole again.
    static int applicationArgc;
    static std::vector<char *> applicationArgv;
    const auto makeApplication = [&](double factor) {
        if (factor > 1)
            qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        else if (factor == 1)
            qunsetenv("QT_SCALE_FACTOR");
        applicationArgc = argc;
        applicationArgv.assign(argv, argv + argc + 1);
        return std::make_unique<QApplication>(applicationArgc, applicationArgv.data());
    };

    // Without --zoom nothing is set, so a QT_SCALE_FACTOR of the user's own stays.
    std::unique_ptr<QApplication> application = makeApplication(command.zoom);
    // The screen is known only now. Where the largest windows would not fit it, make
    // the application again at the largest factor that fits, before any window exists.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (command.zoom > 1 && screen) {
        const double fits = fittingZoom(command.zoom, QSizeF(screen->availableGeometry().size()) * command.zoom);
        if (fits < command.zoom) {
            print(stderr, line(texts(language).zoomReduced).arg(QString::number(command.zoom), QString::number(fits)));
            application.reset();
            application = makeApplication(fits);
        }
    }
    return {std::move(application), 0};
}

} // namespace cli
