#include "controls/shape.h"
#include "support/windows.h"

// At a whiteboard: taps and presses-and-holds through a touch screen on the real
// windows, and the mouse held down beside them.
class TestTouch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAll(); }

    // A window, a script of gestures, then the beads and blocks in sight, and the cells
    // whose middle pixel is coloured.
    void gestures_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("rods") << "frmabaco"
                              << "cmdu:tap*2 cmdu:hold cmdd:hold cmdc:tap cmdc:slide-off cmdm:mouse-held"
                              << "u1 c1 m1";
        QTest::newRow("blocks, Conferma") << "frmcomponi" << "cmduno:tap cmdconferma:hold cmduno:tap*2 cmduno:hold cmddieci:hold"
                                          << "shpu(1)";
        QTest::newRow("lines") << "frmcolora" << "cmdo(3):tap cmdv(2):tap cmdo(3):hold cmdv(2):hold lbl(22):tap"
                               << "lbl(22)";
        QTest::newRow("cells") << "frmcolora" << "lbl(5):tap*2 lbl(6):hold lbl(7):slide-off lbl(8):mouse-held"
                               << "lbl(6) lbl(8)";
    }
    void gestures()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        ui::Form *w = open(window);
        play(w, script);
        const QImage shot = w->grab().toImage();
        QStringList shown;
        for (const QWidget *p : w->findChildren<QWidget *>())
            if (p->objectName().startsWith("lbl(") ? shot.pixelColor(p->geometry().center()) == QColor(0, 0, 255)
                                                   : p->isVisible() && qobject_cast<const ui::Shape *>(p) && p->objectName() != "Shape2")
                shown << p->objectName();
        QTEST(shown.join(u' '), "state");
    }
};

QTEST_MAIN(TestTouch)
#include "test_touch.moc"
