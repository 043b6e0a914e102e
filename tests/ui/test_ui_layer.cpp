#include "ui/colour.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QLineEdit>
#include <QScreen>
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
        QTest::newRow("light green") << quint32(0x0080FF80) << QColor(128, 255, 128);
        QTest::newRow("red is the low byte") << quint32(0x000000FF) << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << quint32(0x00FF0000) << QColor(0, 0, 255);
        QTest::newRow("light rose") << quint32(0x00C0C0FF) << QColor(255, 192, 192);
        QTest::newRow("light orange") << quint32(0x0080C0FF) << QColor(255, 192, 128);
    }
    void colourByteOrder()
    {
        QFETCH(quint32, bbggrr);
        QFETCH(QColor, expected);
        QCOMPARE(ui::vbColor(bbggrr), expected);
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("just under half") << 7 << 0;
        QTest::newRow("just over half") << 8 << 1;
        QTest::newRow("start window") << 4335 << 289;
        QTest::newRow("odd twips round to nearest") << 1695 << 113;
        QTest::newRow("negative") << -15 << -1;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(ui::px(twips), pixels);
    }

    void neighbouringBoxesKeepTheirOverlap()
    {
        // Cells 375 twips wide every 360 overlap by one pixel, as the grid lines need.
        const QRect first = ui::rect(840, 1560, 375, 375);
        const QRect second = ui::rect(1200, 1560, 375, 375);
        QCOMPARE(first, QRect(56, 104, 25, 25));
        QCOMPARE(first.right() + 1 - second.left(), 1);
    }

    void centring_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        const QPoint from(5, 7);
        QTest::newRow("top first") << int(ui::CentreOrder::TopFirst) << QRect(0, 0, 1024, 768)
                                   << QSize(289, 309) << QPoint(5, 229) << QPoint(367, 229);
        QTest::newRow("left first") << int(ui::CentreOrder::LeftFirst) << QRect(0, 0, 1024, 768)
                                    << QSize(289, 309) << QPoint(367, 7) << QPoint(367, 229);
        QTest::newRow("second screen") << int(ui::CentreOrder::TopFirst) << QRect(1920, 0, 800, 600)
                                       << QSize(600, 400) << QPoint(5, 100) << QPoint(2020, 100);
        QTest::newRow("window larger than screen")
            << int(ui::CentreOrder::LeftFirst) << QRect(0, 0, 640, 480) << QSize(800, 600)
            << QPoint(-80, 7) << QPoint(-80, -60);
    }
    void centring()
    {
        QFETCH(int, order);
        QFETCH(QRect, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        const auto steps = ui::centreSteps(static_cast<ui::CentreOrder>(order), screen, outer,
                                           QPoint(5, 7));
        QCOMPARE(steps[0], first);
        QCOMPARE(steps[1], last);
    }

    void formIsCentredOnItsScreen()
    {
        auto *form = new ui::Form(QStringLiteral("x"), 4335, 3000, Qt::green);
        form->centre(ui::CentreOrder::TopFirst);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form->size(), QSize(289, 200));
        QCOMPARE(form->pos(), QPoint(screen.left() + (screen.width() - 289) / 2,
                                     screen.top() + (screen.height() - 200) / 2));
    }

    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("Enter in a text box: default") << "edit" << int(Qt::Key_Return) << "ok";
        QTest::newRow("keypad Enter: default") << "edit" << int(Qt::Key_Enter) << "ok";
        QTest::newRow("Enter on a push button: that one") << "other" << int(Qt::Key_Return) << "other";
        QTest::newRow("Esc in a text box: cancel") << "edit" << int(Qt::Key_Escape) << "cancel";
        QTest::newRow("Esc on a push button: cancel") << "other" << int(Qt::Key_Escape) << "cancel";
        QTest::newRow("other keys press nothing") << "edit" << int(Qt::Key_F1) << "";
    }
    void enterAndEscape()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, pressed);
        auto *form = new ui::Form(QStringLiteral("keys"), 3000, 3000, Qt::white);
        auto *edit = new QLineEdit(form);
        edit->setObjectName(QStringLiteral("edit"));
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
        QTest::keyClick(form->focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(clicked, pressed);
    }

    void pushButtonReportsPresses_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << int(Qt::LeftButton) << 0 << 1 << 0 << 1;
        QTest::newRow("right: no click") << int(Qt::RightButton) << 0 << 2 << 0 << 0;
        QTest::newRow("middle: no click") << int(Qt::MiddleButton) << 0 << 4 << 0 << 0;
        QTest::newRow("left with shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier) << 1 << 1 << 1;
        QTest::newRow("left with ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier) << 1 << 2 << 1;
    }
    void pushButtonReportsPresses()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        QFETCH(int, clicks);
        ui::PushButton b(nullptr, QStringLiteral("u"));
        b.resize(33, 25);
        b.show();
        QSignalSpy down(&b, &ui::PushButton::mouseDown);
        QSignalSpy clicked(&b, &QPushButton::clicked);
        QTest::mousePress(&b, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(10, 4));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), code);
        QCOMPARE(down.at(0).at(1).toInt(), shift);
        QCOMPARE(down.at(0).at(2).toPointF(), QPointF(150, 60)); // twips
        QTest::mouseRelease(&b, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(10, 4));
        QCOMPARE(clicked.count(), clicks);
    }

    void removeKeysActAsTheRightButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 1;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 1;
        QTest::newRow("Space clicks, no press") << int(Qt::Key_Space) << 0;
    }
    void removeKeysActAsTheRightButton()
    {
        QFETCH(int, key);
        QFETCH(int, presses);
        ui::PushButton b(nullptr, QStringLiteral("d"));
        b.resize(33, 25);
        b.show();
        b.setFocus();
        QSignalSpy down(&b, &ui::PushButton::mouseDown);
        QSignalSpy clicked(&b, &QPushButton::clicked);
        QTest::keyClick(&b, Qt::Key(key));
        QCOMPARE(down.count(), presses);
        if (presses)
            QCOMPARE(down.at(0).at(0).toInt(), 2);
        QCOMPARE(clicked.count(), 1 - presses);
    }

    void labelReportsCompletedClicks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << int(Qt::LeftButton) << QPoint(5, 5) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << QPoint(5, 5) << 2;
        QTest::newRow("middle is no click") << int(Qt::MiddleButton) << QPoint(5, 5) << 0;
        QTest::newRow("released outside") << int(Qt::LeftButton) << QPoint(50, 50) << 0;
    }
    void labelReportsCompletedClicks()
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
    }
};

QTEST_MAIN(TestUiLayer)
#include "test_ui_layer.moc"
