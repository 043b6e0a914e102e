#include "ui/colour.h"
#include "ui/form.h"
#include "ui/picture_button.h"
#include "ui/score_panel.h"
#include "ui/twips.h"

#include <QLabel>
#include <QtTest>

class TestUiLayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Keyboard focus shows as a dotted rectangle inside the face, a pixel on and a pixel
    // off, and leaves the face its colour.
    void focusLeavesTheFaceItsColour()
    {
        ui::Form form(QStringLiteral("focus"), 6000, 3000, Qt::white);
        auto *text = new ui::PushButton(&form, QStringLiteral("Colora la frazione"));
        text->setGeometry(ui::rect(240, 240, 3855, 375));
        text->setFace(ui::vbColor(0x00FFC0C0));
        auto *picture = new ui::PictureButton(&form, QStringLiteral(":/door.svg"), QStringLiteral("Esci"),
                                              ui::colour::lightPink);
        picture->setGeometry(ui::rect(240, 840, 615, 615));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        text->setFocus();
        for (ui::PushButton *button : std::initializer_list<ui::PushButton *>{picture, text}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button);
            const QImage shot = button->grab().toImage();
            const QColor face = button == text ? QColor(192, 192, 255) : QColor(255, 192, 255);
            if (button == text)
                QCOMPARE(shot.pixelColor(6, shot.height() / 2), face);
            QSet<QRgb> dots;
            for (int x = 6; x < shot.width() - 6; ++x)
                dots << shot.pixel(x, 4);
            QCOMPARE(dots, QSet<QRgb>({face.rgb(), QColor(Qt::black).rgb()}));
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
