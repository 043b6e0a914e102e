<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="96"/>
        <source>Arithmetic exercise book for primary school.</source>
        <translation>Quaderno di esercizi di aritmetica per la scuola primaria.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="101"/>
        <source>Enlarges every window for an interactive whiteboard or a projector: 1, 1.5, 2, 2.5 or 3 (normal: 1).</source>
        <translation>Ingrandisce tutte le finestre per la lavagna interattiva o il proiettore: 1, 1.5, 2, 2.5 o 3 (normale: 1).</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="103"/>
        <source>FACTOR</source>
        <translation>FATTORE</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>See --help.</source>
        <translation>Vedi --help.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="119"/>
        <source>Unexpected argument &apos;%1&apos;. See --help.</source>
        <translation>Argomento inatteso «%1». Vedi --help.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="143"/>
        <source>Invalid value for --zoom: &apos;%1&apos;. Allowed values: 1, 1.5, 2, 2.5, 3.</source>
        <translation>Valore non ammesso per --zoom: «%1». Valori ammessi: 1, 1.5, 2, 2.5, 3.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>The screen is too small for --zoom %1: using --zoom %2.</source>
        <translation>Lo schermo è troppo piccolo per --zoom %1: uso --zoom %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="46"/>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="47"/>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="48"/>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="49"/>
        <source>Displays help on commandline options.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="50"/>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra l&apos;aiuto con le opzioni di Qt ed esce.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="51"/>
        <source>Displays version information.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="52"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="53"/>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca il valore dopo «%1».</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="55"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1» non vuole un valore.</translation>
    </message>
</context>
</TS>
