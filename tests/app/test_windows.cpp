#include "support/windows.h"
#include "pictures/picture_icon_engine.h"
#include "pictures/pictures.h"
#include "controls/score_panel.h"
#include "pictures/svg_drawing.h"

#include <QAccessible>
#include <QScreen>

// What every window shows when it opens: its texts, its colours, its icon, where the
// keyboard starts and where Tab takes it, and that a middle press changes nothing;
// keyboard focus on a face, and score counters of any length.
class TestWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { closeAll(); }

    // Every visible text, verbatim: "name=text", the window's title first.
    void texts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("texts");
        const QStringList score{"Esatte:", "Sbagliate:", "Frame1=Risposte", "lbles=0", "lbler=0"};
        QTest::newRow("frminizio") << "frminizio" << QStringList{"=Numerandia", "cmdabaco=Componi l'abaco",
            "cmdcolora=Colora la frazione", "cmdcomponi=Componi il numero", "cmdprimi=Numeri primi",
            "cmdistruzioni=Istruzioni", "cmdesci=Esci"};
        QTest::newRow("frminfo") << "frminfo" << QStringList{"=Informazioni", "Label10=Numerandia",
            "Label4=versione: ", "Label5=" NUMERANDIA_VERSION, "Label8=data: ", "Label9=10 marzo 2003", "Label2=autore: ",
            "Label3=e-mail: ", "Label6=Gli autori", "Label7=info@example.org", "cmdok=&OK"};
        QTest::newRow("frmistruzioni") << "frmistruzioni" << QStringList{"=Istruzioni", "cmdok=&OK",
            "Label1=Per selezionare le caselle, basta fare clic su di esse,  per selezionare intere righe o colonne, "
            "si può cliccare sui pulsanti ai lati. Per deselezionare le caselle, ricliccare col tasto sinistro, per "
            "quanto riguarda le righe e le colonne, basta cliccare sui pulsanti, col tasto destro del mouse."};
        QTest::newRow("frmabaco") << "frmabaco" << QStringList{"=Componi con l'abaco", "cmdh=h", "cmdda=da",
            "cmdu=u", "cmdd=d", "cmdc=c", "cmdm=m", "Label4=,", "cmdconferma=Conferma", "cmdfine=Fine",
            "Label1=Click sinistro per aggiungere, click destro per togliere", "Label2=" + score[0],
            "Label3=" + score[1]} + score.mid(2);
        QTest::newRow("frmcolora") << "frmcolora" << QStringList{"=Colora la frazione", "cmdconferma=Conferma",
            "cmdcanc=Cancella", "cmdistruzioni=Istruzioni", "cmdfine=Fine", "Label4=" + score[0],
            "Label3=" + score[1]} + score.mid(2);
        QTest::newRow("frmcomponi") << "frmcomponi" << QStringList{"=Componi il numero", "cmdmille=Migliaia",
            "cmdcento=Centinaia", "cmddieci=Decine", "cmduno=Unità", "cmdconferma=Conferma", "cmdfine=Fine",
            "Label1=Clic sinistro per aggiungere, clic destro per togliere", "Label2=" + score[0],
            "Label3=" + score[1]} + score.mid(2);
        QTest::newRow("frmprimi") << "frmprimi" << QStringList{"=Numeri primi", "cmd=Calcola", "cmdesci=Fine",
            "Label1=Immetti un numero (minore di 50 milioni)",
            "Label2=Per i numeri più alti ci sarà bisogno di circa 1 minuto",
            "lbldiv2=È divisibile per i seguenti numeri:"};
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, texts);
        const std::unique_ptr<ui::Form> w(make(window));
        for (const QString &expected : texts) {
            const QString name = expected.section(u'=', 0, 0);
            QCOMPARE(name + u'=' + textOf(name.isEmpty() ? w.get() : control(w.get(), name)), expected);
        }
    }

    // Pixels of a window as it opens, or after a script of presses, "x y #RRGGBB" at a
    // point in twips: faces, backgrounds, lines, beads and blocks; or "name #RRGGBB", the
    // ink of a control's text.
    void colours_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("colours");
        QTest::newRow("start") << "frminizio" << "" << QStringList{"60 3000 #80FF80", "300 300 #FFC0C0", "300 900 #C0C0FF",
            "300 1500 #FFFF00", "300 2100 #FFC080", "3540 2940 #FFC0FF", "3540 4140 #FFC0FF"};
        QTest::newRow("information: the blue rule") << "frminfo" << "" << QStringList{"3000 1080 #0000FF"};
        QTest::newRow("instructions") << "frmistruzioni" << "" << QStringList{"Label1 #0000FF", "1740 2940 #FFFF00"};
        QTest::newRow("abacus: background, base bar, rod, Conferma, hint, score caption")
            << "frmabaco" << "" << QStringList{"7000 5000 #FFC0FF", "500 4500 #8080FF", "3000 2000 #000000",
                                         "7500 5580 #FFC080", "Label1 #0000FF", "Frame1:caption #FF0000"};
        QTest::newRow("fractions: background, cell, row, column, bar, numerator, Cancella")
            << "frmcolora" << "" << QStringList{"200 5200 #FFFF80", "1000 1700 #C0C0FF", "420 1620 #FFC080",
                                          "900 1140 #80FFFF", "480 540 #0000FF", "lblnum #0000FF", "5820 3900 #FFC0FF"};
        QTest::newRow("blocks: background, target, Fine")
            << "frmcomponi" << "" << QStringList{"6000 3000 #FFC080", "lblnum #0000FF", "8220 5580 #80FFFF", "7500 5580 #80FFFF"};
        QTest::newRow("primes: background, input, Calcola, prompt")
            << "frmprimi" << "" << QStringList{"60 3400 #80FF80", "2500 1400 #C0FFFF", "3300 1140 #FFC080", "Label1 #0000C0"};
        QTest::newRow("beads: each rod's in its colour, nine 360 twips apart") << "frmabaco" << "cmdh cmdda cmdu*9 cmdd cmdc cmdm"
            << QStringList{"780 4147 #00C000", "1860 4147 #FF0000", "2940 4147 #000000", "4020 4147 #FFFF00", "5100 4147 #FFFF00",
                           "6180 4147 #FFFF00", "2900 1267 #000000", "2900 1020 #FFC0FF"};
        QTest::newRow("blocks: units down, a ten, hundreds each over the one before, a cube") << "frmcomponi"
            << "cmduno*2 cmddieci cmdcento*2 cmdmille" << QStringList{"3427 4147 #000000", "3427 4400 #FFC080",
                   "4747 3907 #FF0000", "3500 400 #00C000", "3240 480 #000000", "1320 1320 #8AB8DF"};
        for (const char *window : {"frmabaco", "frmcomponi", "frmcolora"})
            QTest::addRow("%s: the message", window) << window << "cmdconferma"
                << QStringList{window == QLatin1String("frmcolora") ? "lblmess #FF00FF" : "lblmess #0000FF"};
    }
    void colours()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        QFETCH(QStringList, colours);
        ui::Form *w = open(window, {0.1f, 0.5f, 0.5f, 0.5f});
        play(w, script);
        const QImage shot = w->grab().toImage();
        for (const QString &expected : colours) {
            const QStringList at = expected.split(u' ');
            // "name:caption": the ink of the top of a frame, where its caption is
            const QStringList part = at[0].split(u':');
            const QColor seen = at.size() == 2 ? ink(w, part[0], part.size() > 1 ? 15 : 0)
                                               : shot.pixelColor(ui::px(at[0].toInt()), ui::px(at[1].toInt()));
            QCOMPARE(at.mid(0, at.size() - 1).join(u' ') + u' ' + seen.name().toUpper(), expected);
        }
    }

    // Each window as it opens: centred by its frame on the screen (a projector's, see the
    // tests' set-up), the gears as its icon, a name for a screen reader on every control
    // that the keyboard reaches, and where it starts and where real Tab presses take it.
    void opens_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("order");
        QTest::newRow("frminizio") << "frminizio" << "cmdabaco cmdcolora cmdcomponi cmdprimi cmdesci Picture1 cmdistruzioni";
        QTest::newRow("frminfo") << "frminfo" << "cmdok";
        QTest::newRow("frmistruzioni") << "frmistruzioni" << "cmdok";
        QTest::newRow("frmabaco") << "frmabaco" << "cmdfine cmdconferma cmdh cmdda cmdu cmdd cmdc cmdm";
        QTest::newRow("frmcolora") << "frmcolora" << "cmdcanc cmdconferma cmdistruzioni cmdfine cmdo(1) cmdo(2) cmdo(3) "
            "cmdo(4) cmdo(5) cmdo(6) cmdo(7) cmdo(8) cmdo(9) cmdo(10) cmdv(1) cmdv(2) cmdv(3) cmdv(4) cmdv(5) cmdv(6) "
            "cmdv(7) cmdv(8) cmdv(9) cmdv(10)";
        QTest::newRow("frmcomponi") << "frmcomponi" << "cmdmille cmdcento cmddieci cmduno cmdfine cmdconferma";
        QTest::newRow("frmprimi") << "frmprimi" << "txt cmd cmdesci";
    }
    void opens()
    {
        QFETCH(QString, window);
        QFETCH(QString, order);
        ui::Form *w = open(window);
        const QRect frame = w->frameGeometry(), screen = w->screen()->geometry();
        QVERIFY2(frame != w->geometry() && screen.size() == QSize(1366, 768), "not the projector's screen");
        QVERIFY2(qAbs(frame.center().x() - screen.center().x()) <= 1 && qAbs(frame.center().y() - screen.center().y()) <= 1,
                 qPrintable(QStringLiteral("frame at %1,%2").arg(frame.x()).arg(frame.y())));
        QCOMPARE(w->windowIcon().pixmap(32).toImage(), ui::drawSvg(QStringLiteral(":/gears.svg"), QSize(32, 32), 1));
        for (QWidget *c : w->findChildren<QWidget *>()) {
            const bool acts = (c->focusPolicy() & Qt::TabFocus) || c->objectName().startsWith(QLatin1String("lbl("));
            QVERIFY2(!acts || !QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(c->objectName()));
        }
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget()->objectName() == seen.front())
                break;
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen.join(u' '), order);
    }

    // Drawn at build time or only now, the gears and the button pictures are what the SVG
    // gives; a picture box shows its picture at the picture's own size, cut at the box's
    // edges: every opaque pixel of the start window's arrow where it would be.
    void picturesAsDrawn()
    {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            for (const int side : {16, 24, 48, 64})
                QCOMPARE(ui::windowIcon().pixmap(QSize(side, side), ratio).toImage(), ui::drawSvg(":/gears.svg", QSize(side, side), ratio));
            for (const char *svg : {":/question.svg", ":/door.svg", ":/conferma.svg", ":/fine.svg", ":/fine_tray.svg", ":/cancella.svg"})
                QCOMPARE(ui::picture(svg, QSize(32, 32), ratio).toImage(), ui::drawSvg(svg, QSize(32, 32), ratio));
        }
        const std::unique_ptr<ui::Form> w(make(QStringLiteral("frminizio")));
        QWidget *box = control(w.get(), QStringLiteral("Picture1"));
        const QImage shot = box->grab().toImage();
        const QImage arrow = ui::picture(QStringLiteral(":/arrow_drawing.svg"), QSize(127, 125)).toImage();
        int opaque = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qAlpha(arrow.pixel(x, y)) == 255 && ++opaque)
                    QCOMPARE(shot.pixelColor(x, y), arrow.pixelColor(x, y));
        QVERIFY(opaque > 1000);
    }

    // Keyboard focus, moved by real Tab presses, shows as a dotted rectangle inside the
    // face, a pixel on and a pixel off, and leaves the face its colour; the black outline
    // of the button that Enter presses is round the focused button alone.
    void focusLeavesTheFaceItsColour()
    {
        ui::Form *w = open(QStringLiteral("frminizio"));
        const QStringList faces{"cmdcolora #C0C0FF", "cmdcomponi #FFFF00", "cmdprimi #FFC080", "cmdesci #FFC0FF"};
        for (const QString &face : faces) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control(w, face.section(u' ', 0, 0)));
            const QImage shot = QApplication::focusWidget()->grab().toImage();
            QSet<QRgb> dots;
            for (int x = 6; x < shot.width() - 6; ++x)
                dots << shot.pixel(x, 4);
            QCOMPARE(dots, QSet<QRgb>({QColor(face.section(u' ', 1)).rgb(), qRgb(0, 0, 0)}));
            for (const QString &other : faces + QStringList{"cmdabaco"}) {
                QWidget *button = control(w, other.section(u' ', 0, 0));
                QCOMPARE(button->grab().toImage().pixelColor(0, button->height() / 2) == Qt::black, button->hasFocus());
            }
        }
    }


    // Each rod's button stands under its rod.
    void rodButtonsUnderTheirRods()
    {
        const std::unique_ptr<ui::Form> w(make(QStringLiteral("frmabaco")));
        const char *lines[] = {"Line2", "Line3", "Line4", "Line5", "Line1", "Line6"};
        const char *buttons[] = {"cmdh", "cmdda", "cmdu", "cmdd", "cmdc", "cmdm"};
        for (int r = 0; r < 6; ++r) {
            const int rod = control(w.get(), QLatin1String(lines[r]))->geometry().center().x();
            QVERIFY2(qAbs(control(w.get(), QLatin1String(buttons[r]))->geometry().center().x() - rod) <= 1, buttons[r]);
        }
    }

    // Each count on its caption's row, every digit inside the frame: up to three digits
    // in the panel's size, longer counts smaller.
    void scoreShowsEveryDigit_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        for (const auto &[right, wrong] : {std::pair(7, 100), std::pair(999, 1000), std::pair(12345, 3), std::pair(99999, 99998)})
            QTest::addRow("%d:%d", right, wrong) << right << wrong;
    }
    void scoreShowsEveryDigit()
    {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QWidget host;
        auto *panel = new ui::ScorePanel(&host, 0, 0, Qt::white);
        panel->setRight(right);
        panel->setWrong(wrong);
        const QImage shot = panel->grab().toImage();
        for (const auto &[name, caption, count] : {std::tuple("lbles", "Label2", right), std::tuple("lbler", "Label3", wrong)}) {
            const auto *counter = panel->findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(counter->text(), QString::number(count));
            QCOMPARE(counter->font().pixelSize() == 15, count <= 999);
            const QRect r = counter->geometry(), row = control(panel, QLatin1String(caption))->geometry();
            int ink = 0;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                QCOMPARE(shot.pixelColor(r.right(), y), QColor(Qt::white)); // nothing cut off
                QVERIFY(shot.pixelColor(r.right() + 2, y) != Qt::white);   // nor the frame drawn over
                for (int x = r.left(); x < r.right(); ++x)
                    ink += shot.pixelColor(x, y) != Qt::white && y >= row.top() && y <= row.bottom();
            }
            QVERIFY2(ink > 10, name); // beside its caption
        }
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
