#include "app/command_line.h"

#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("italian");
        QTest::addColumn<int>("status"); // -1: the program starts
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("says"); // how standard output begins, or standard error for status 2
        const auto row = [](const char *name, const QStringList &arguments, bool italian, int status, double zoom,
                            const char *says) { QTest::newRow(name) << arguments << italian << status << zoom << QString(says); };
        row("help, Italian", {"--help"}, true, 0, 0, "Uso: numerandia [OPZIONI]\n");
        row("help, English", {"-h"}, false, 0, 0, "Usage: numerandia [OPTIONS]\n");
        row("version", {"--version"}, true, 0, 0, "Numerandia 1.0\n");
        row("zoom 1", {"--zoom", "1"}, true, -1, 1, "");
        row("zoom 1.5", {"--zoom=1.5"}, true, -1, 1.5, "");
        row("zoom 2", {"--zoom", "2"}, true, -1, 2, "");
        row("zoom 2,5", {"--zoom", "2,5"}, true, -1, 2.5, "");
        row("zoom 3, after a Qt option", {"-platform", "xcb", "--zoom", "3"}, true, -1, 3, "");
        row("zoom 0", {"--zoom", "0"}, true, 2, 0, "numerandia: valore non ammesso per --zoom: «0»; valori ammessi: 1, 1.5, 2, 2.5, 3");
        row("zoom abc", {"--zoom", "abc"}, false, 2, 0, "numerandia: invalid value for --zoom: 'abc'; allowed values: 1,");
        row("zoom 7", {"--zoom", "7"}, true, 2, 0, "numerandia: valore non ammesso per --zoom: «7»; valori ammessi:");
        row("zoom without a value", {"--zoom"}, true, 2, 0, "numerandia: manca il valore di «--zoom»; valori ammessi:");
        row("unknown option", {"--colore"}, true, 2, 0, "numerandia: opzione sconosciuta «--colore»; opzioni ammesse:");
        row("stray argument", {"abaco"}, false, 2, 0, "numerandia: unexpected argument 'abaco'; allowed options:");
    }

    // The parser's answer, then the real program's: the same status and the same text
    // on the same stream, in the same language. Qt has no platform plugin named "none",
    // so an application object, which any window needs, would abort the program.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, italian);
        QFETCH(int, status);
        QFETCH(double, zoom);
        QFETCH(QString, says);
        const cli::Command command = cli::parse(QStringList{"numerandia"} + arguments,
                                                italian ? cli::Language::Italian : cli::Language::English);
        QCOMPARE(std::pair(command.exitStatus, command.zoom), std::pair(status, zoom));
        QCOMPARE((status == 2 ? command.error : command.output).left(says.size()), says);
        QCOMPARE(command.error.count(QLatin1Char('\n')), status == 2 ? 1 : 0);
        if (status == cli::Command::run)
            return;
        qputenv("LC_ALL", italian ? "it_IT.UTF-8" : "C");
        qputenv("QT_QPA_PLATFORM", "none");
        qunsetenv("LANGUAGE");
        QProcess program;
        program.start(QStringLiteral(NUMERANDIA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(QStringList({QString::number(program.exitCode()), program.readAllStandardError(), program.readAllStandardOutput()}),
                 QStringList({QString::number(status), command.error, command.output}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
