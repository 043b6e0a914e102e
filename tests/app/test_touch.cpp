#include "support/windows.h"
#include "controls/shape.h"

#include <QStyleHints>

// At a whiteboard: taps and presses-and-holds through a touch screen on the real
// windows, and the mouse held down beside them.
class TestTouch : public QObject {
    Q_OBJECT
    QPointingDevice *screen_ = QTest::createTouchDevice();

private Q_SLOTS:
    void cleanup() { closeAll(); }

    // A window, then gestures, each a letter and a control: T a tap; H a touch held
    // past the press-and-hold interval, O one that slides off the control first; M the
    // left mouse button held as long. Then the beads and blocks in sight, and the cells
    // whose middle pixel is coloured.
    void gestures_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("rods") << "frmabaco Tcmdu Tcmdu Hcmdu Hcmdd Tcmdc Ocmdc Mcmdm" << "u1 c1 m1";
        QTest::newRow("blocks, Conferma") << "frmcomponi Tcmduno Hcmdconferma Tcmduno Tcmduno Hcmduno Hcmddieci" << "shpu(1)";
        QTest::newRow("lines") << "frmcolora Tcmdo(3) Tcmdv(2) Hcmdo(3) Hcmdv(2) Tlbl(22)" << "lbl(22)";
        QTest::newRow("cells") << "frmcolora Tlbl(5) Tlbl(5) Hlbl(6) Olbl(7) Mlbl(8)" << "lbl(6) lbl(8)";
    }
    void gestures()
    {
        QFETCH(QString, script);
        QStringList words = script.split(u' ');
        ui::Form *w = open(words.takeFirst());
        for (const QString &word : std::as_const(words)) {
            QWidget *c = control(w, word.mid(1));
            const QPoint at = c->mapTo(w, c->rect().center()), off = at + QPoint(word[0] == 'O' ? c->width() : 0, 0);
            if (word[0] == 'M') QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, at);
            else QTest::touchEvent(w, screen_).press(0, at, w);
            if (word[0] == 'O') QTest::touchEvent(w, screen_).move(0, off, w);
            if (word[0] != 'T') QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 300);
            if (word[0] == 'H') QTest::touchEvent(w, screen_).stationary(0);
            if (word[0] == 'M') QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at);
            else QTest::touchEvent(w, screen_).release(0, off, w);
        }
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
