#include "app/command_line.h"

#include <QtTest>
#include <QTranslator>

// The command line as users meet it: the real program's status and what it prints,
// in Italian under an Italian locale and in English otherwise; and the factor a
// starting program takes.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("italian");
        QTest::addColumn<int>("status"); // -1: the program starts
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("says"); // standard output, or standard error for status 2; or how it begins, up to "…"
        const auto row = [](const char *name, const QStringList &arguments, bool italian, int status, double zoom,
                            const char *says) { QTest::newRow(name) << arguments << italian << status << zoom << QString(says); };
        row("help, Italian", {"--help"}, true, 0, 0,
            "Uso: numerandia [opzioni]\n"
            "Quaderno di esercizi di aritmetica per la scuola primaria.\n\n"
            "Opzioni:\n"
            "  -h, --help        Mostra questo aiuto ed esce.\n"
            "  --help-all        Mostra l'aiuto con le opzioni di Qt ed esce.\n"
            "  -v, --version     Mostra la versione ed esce.\n"
            "  --zoom <FATTORE>  Ingrandisce tutte le finestre per la lavagna interattiva o\n"
            "                    il proiettore: 1, 1.5, 2, 2.5 o 3 (normale: 1).\n");
        row("help, English", {"-h"}, false, 0, 0, "Usage: numerandia [options]\nArithmetic exercise book for primary school.\n…");
        row("version", {"--version"}, true, 0, 0, "Numerandia " NUMERANDIA_VERSION "\n");
        row("zoom 1", {"--zoom", "1"}, true, -1, 1, "");
        row("zoom 1.5", {"--zoom=1.5"}, true, -1, 1.5, "");
        row("zoom 2,5", {"--zoom", "2,5"}, true, -1, 2.5, "numerandia: Lo schermo è troppo piccolo per --zoom 2.5: uso --zoom 1.5.\n");
        row("zoom 3, after a Qt option", {"-platform", "xcb", "--zoom", "3"}, true, -1, 3, "");
        row("zoom 0", {"--zoom", "0"}, true, 2, 0, "numerandia: Valore non ammesso per --zoom: «0». Valori ammessi: 1, 1.5, 2, 2.5, 3.\n");
        row("zoom abc", {"--zoom", "abc"}, false, 2, 0, "numerandia: Invalid value for --zoom: 'abc'. Allowed values: 1, 1.5, 2, 2.5, 3.\n");
        row("zoom without a value", {"--zoom"}, true, 2, 0, "numerandia: Manca il valore dopo «--zoom». Vedi --help.\n");
        row("a value where none goes", {"--version=2"}, false, 2, 0, "numerandia: Unexpected value after '--version'. See --help.\n");
        row("unknown option", {"--colore"}, true, 2, 0, "numerandia: Opzione sconosciuta «colore». Vedi --help.\n");
        row("stray argument", {"abaco"}, false, 2, 0, "numerandia: Unexpected argument 'abaco'. See --help.\n");
        row("zoom 3, too large", {"--zoom", "3"}, false, -1, 3, "numerandia: The screen is too small for --zoom 3: using --zoom 1.5.\n");
    }

    // Qt has no platform plugin named "none", so an application object, which any
    // window needs, would abort the program: whatever ends at once ends before one. A
    // program that starts does so on the offscreen platform with a projector's screen,
    // 1366 x 768, where the largest windows fit at 1.5 times their size and no more.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, italian);
        QFETCH(int, status);
        QFETCH(double, zoom);
        QFETCH(QString, says);
        // The program cannot start on a platform given on its command line.
        const bool runs = status == cli::Command::run && !arguments.contains("-platform");
        if (status == cli::Command::run)
            QCOMPARE(cli::parse(QStringList{"numerandia"} + arguments).zoom, zoom);
        if (status == cli::Command::run && !runs)
            return;
        qputenv("LC_ALL", italian ? "it_IT.UTF-8" : "C");
        qputenv("QT_QPA_PLATFORM", runs ? "offscreen:configfile=" NUMERANDIA_PROJECTOR : "none");
        qunsetenv("LANGUAGE");
        QProcess program;
        program.start(QStringLiteral(NUMERANDIA_PROGRAM), arguments);
        QCOMPARE(program.waitForFinished(runs ? 1500 : 10000), !runs);
        program.kill();
        program.waitForFinished();
        QCOMPARE(program.exitCode(), runs ? 9 : status);
        if (runs) { // what Qt itself may say is left out
            const QStringList said = QString::fromUtf8(program.readAllStandardError()).split(u'\n');
            QCOMPARE(said.filter(QRegularExpression("^numerandia: ")).join(""), says.trimmed());
            return;
        }
        const QString out = QString::fromUtf8(status == 2 ? program.readAllStandardError() : program.readAllStandardOutput());
        QCOMPARE(says.endsWith(u'…') ? out.left(says.size() - 1) + u'…' : out, says);
        QCOMPARE((status == 2 ? program.readAllStandardOutput() : program.readAllStandardError()), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
