#include "ui/colour.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/twips.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestUiLayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { ui::Registry::instance().destroyAll(); }

    void colourByteOrder_data()
    {
        QTest::addColumn<quint32>("bbggrr");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red is the low byte") << quint32(0x000000FF) << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << quint32(0x00FF0000) << QColor(0, 0, 255);
        QTest::newRow("light orange") << quint32(0x0080C0FF) << QColor(255, 192, 128);
    }
    void colourByteOrder()
    {
        QFETCH(quint32, bbggrr);
        QFETCH(QColor, expected);
        QCOMPARE(ui::vbColor(bbggrr), expected);
    }

    void twips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("just under half a pixel") << 7 << 0;
        QTest::newRow("just over half a pixel") << 8 << 1;
        QTest::newRow("odd twips round to nearest") << 1695 << 113;
        QTest::newRow("negative") << -15 << -1;
    }
    void twips()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(ui::px(twips), pixels);
        // Cells 375 twips wide every 360 keep their one-pixel overlap.
        QCOMPARE(ui::rect(840, 0, 375, 10).right() + 1 - ui::rect(1200, 0, 375, 10).left(), 1);
    }

    void centring_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        QTest::newRow("top first") << int(ui::CentreOrder::TopFirst) << QRect(0, 0, 1024, 768)
                                   << QPoint(5, 229) << QPoint(367, 229);
        QTest::newRow("left first") << int(ui::CentreOrder::LeftFirst) << QRect(0, 0, 1024, 768)
                                    << QPoint(367, 7) << QPoint(367, 229);
        QTest::newRow("second screen, smaller than the window")
            << int(ui::CentreOrder::LeftFirst) << QRect(1920, 0, 200, 300) << QPoint(1876, 7)
            << QPoint(1876, -4);
    }
    void centring()
    {
        QFETCH(int, order);
        QFETCH(QRect, screen);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        const auto steps = ui::centreSteps(static_cast<ui::CentreOrder>(order), screen,
                                           QSize(289, 309), QPoint(5, 7));
        QCOMPARE(steps[0], first);
        QCOMPARE(steps[1], last);
    }

    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("repeat");
        QTest::newRow("Enter in a text box: default") << "edit" << int(Qt::Key_Return) << "ok" << false;
        QTest::newRow("keypad Enter: default") << "edit" << int(Qt::Key_Enter) << "ok" << false;
        QTest::newRow("Enter on a push button: that one") << "other" << int(Qt::Key_Return) << "other" << false;
        QTest::newRow("Esc on a push button: cancel") << "other" << int(Qt::Key_Escape) << "cancel" << false;
        QTest::newRow("other keys press nothing") << "edit" << int(Qt::Key_F1) << "" << false;
        QTest::newRow("a held Esc repeating: nothing") << "other" << int(Qt::Key_Escape) << "" << true;
        QTest::newRow("a held Enter repeating: nothing") << "edit" << int(Qt::Key_Return) << "" << true;
    }
    void enterAndEscape()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, pressed);
        QFETCH(bool, repeat);
        auto *form = new ui::Form(QStringLiteral("keys"), 3000, 3000, Qt::white);
        (new QLineEdit(form))->setObjectName(QStringLiteral("edit"));
        QString clicked;
        for (const char *name : {"ok", "cancel", "other"}) {
            auto *b = new ui::PushButton(form, QLatin1String(name));
            b->setObjectName(QLatin1String(name));
            connect(b, &QPushButton::clicked, this, [&clicked, name] { clicked += QLatin1String(name); });
        }
        form->setDefaultButton(form->findChild<QPushButton *>(QStringLiteral("ok")));
        form->setCancelButton(form->findChild<QPushButton *>(QStringLiteral("cancel")));
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->findChild<QWidget *>(focus)->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(form->focusWidget(), &press);
        QApplication::sendEvent(form->focusWidget(), &release);
        QCOMPARE(clicked, pressed);
    }

    void pushButtonPresses_data()
    {
        QTest::addColumn<int>("button"); // 0 for the Delete key
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << int(Qt::LeftButton) << 0 << 1 << 0 << 1;
        QTest::newRow("right: no click") << int(Qt::RightButton) << 0 << 2 << 0 << 0;
        QTest::newRow("middle: no click") << int(Qt::MiddleButton) << 0 << 4 << 0 << 0;
        QTest::newRow("left with ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier) << 1 << 2 << 1;
        QTest::newRow("Delete key: as the right button") << 0 << 0 << 2 << 0 << 0;
    }
    void pushButtonPresses()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        QFETCH(int, clicks);
        ui::PushButton b(nullptr, QStringLiteral("u"));
        b.resize(20, 8);
        b.show();
        QSignalSpy down(&b, &ui::PushButton::mouseDown);
        QSignalSpy clicked(&b, &QPushButton::clicked);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (button == 0) {
            QTest::keyClick(&b, Qt::Key_Delete);
        } else {
            QTest::mousePress(&b, Qt::MouseButton(button), mods, QPoint(10, 4));
            QTest::mouseRelease(&b, Qt::MouseButton(button), mods, QPoint(10, 4));
        }
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), code);
        QCOMPARE(down.at(0).at(1).toInt(), shift);
        QCOMPARE(down.at(0).at(2).toPointF(), QPointF(150, 60)); // twips
        QCOMPARE(clicked.count(), clicks);
    }

    void labelClicks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << int(Qt::LeftButton) << QPoint(5, 5) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << QPoint(5, 5) << 2;
        QTest::newRow("middle is no click") << int(Qt::MiddleButton) << QPoint(5, 5) << 0;
        QTest::newRow("released outside") << int(Qt::LeftButton) << QPoint(50, 50) << 0;
    }
    void labelClicks()
    {
        QFETCH(int, button);
        QFETCH(QPoint, release);
        QFETCH(int, code);
        ui::Label label(nullptr, {}, QRect(0, 0, 25, 25));
        label.show();
        QSignalSpy clicked(&label, &ui::Label::clicked);
        QTest::mousePress(&label, Qt::MouseButton(button), {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::MouseButton(button), {}, release);
        QCOMPARE(clicked.count(), code ? 1 : 0);
        if (code)
            QCOMPARE(clicked.at(0).at(0).toInt(), code);
        // A double click, as the platform sends it (press, release, press, double click,
        // release), is one click more, not two.
        QTest::mouseDClick(label.windowHandle(), Qt::MouseButton(button), {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), (code ? 1 : 0) + (button == Qt::MiddleButton ? 0 : 1));
    }

    void windowsCarryTheGears()
    {
        const ui::Form form(QStringLiteral("icon"), 1500, 1500, Qt::white);
        QCOMPARE(form.windowIcon().pixmap(32).toImage(),
                 ui::picture(QStringLiteral(":/gears.svg"), QSize(32, 32)).toImage());
    }

    // Keyboard focus shows as a dotted rectangle inside the face, a pixel on and a pixel
    // off, and leaves the face its colour.
    void focusLeavesTheFaceItsColour()
    {
        ui::Form form(QStringLiteral("focus"), 6000, 3000, Qt::white);
        auto *text = new ui::PushButton(&form, QStringLiteral("Colora la frazione"));
        text->setGeometry(ui::rect(240, 240, 3855, 375));
        text->setFace(ui::vbColor(0x00FFC0C0));
        auto *picture = new ui::PictureButton(&form, QStringLiteral(":/door.svg"), QStringLiteral("Esci"),
                                              ui::vbColor(0x00FFC0FF));
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
            QTest::newRow(qPrintable(QString::number(count))) << count;
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
            QVERIFY(QFontMetrics(counter->font()).horizontalAdvance(counter->text()) <= counter->width());
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
