#include "support/windows.h"
#include "ui/score_panel.h"
#include "ui/twips.h"

#include <QLabel>
#include <QtTest>

class TestUiLayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Keyboard focus, moved by real Tab presses, shows as a dotted rectangle inside the
    // face, a pixel on and a pixel off, and leaves the face its colour.
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
        }
    }

    // The counters keep every digit inside their 300 twips: up to two digits in the
    // panel's size, longer counts smaller.
    void scoreShowsEveryDigit_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {7, 100, 12345, 99999})
            QTest::addRow("%d", count) << count;
    }
    void scoreShowsEveryDigit()
    {
        QFETCH(int, count);
        QWidget host;
        auto *panel = new ui::ScorePanel(&host, 0, 0, Qt::white);
        panel->setRight(count);
        panel->setWrong(count);
        const QImage shot = panel->grab().toImage();
        for (const char *name : {"lbles", "lbler"}) {
            const auto *counter = panel->findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(counter->text(), QString::number(count));
            QCOMPARE(counter->font().pixelSize() == 15, count < 100);
            const QRect r = counter->geometry();
            int ink = 0;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                QCOMPARE(shot.pixelColor(r.right(), y), QColor(Qt::white)); // nothing cut off
                for (int x = r.left(); x < r.right(); ++x)
                    ink += shot.pixelColor(x, y) != Qt::white;
            }
            QVERIFY(ink > 10);
        }
    }
};

QTEST_MAIN(TestUiLayer)
#include "test_ui_layer.moc"
