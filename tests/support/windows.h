#pragma once

// What the window tests share: opening windows as the program does, finding their
// controls by name, pressing them with real events, and reading what the pupil sees.
#include "abaco/frmabaco.h"
#include "app/frminfo.h"
#include "app/frminizio.h"
#include "colora/frmcolora.h"
#include "colora/frmistruzioni.h"
#include "componi/frmcomponi.h"
#include "primi/frmprimi.h"
#include "support/scripted_random.h"
#include "window/registry.h"
#include "window/twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyleHints>
#include <QtTest>

// A window by its name; the drills draw from the given values, or from the clock.
inline ui::Form *make(const QString &name, std::vector<float> draws = {})
{
    auto random = [&] { return draws.empty() ? nullptr : std::make_unique<ScriptedRandom>(draws); };
    ui::setStartWindow([] { return ui::show<frminizio>(); });
    if (name == "frmabaco") return new frmabaco(random());
    if (name == "frmcolora") return new frmcolora(random());
    if (name == "frmcomponi") return new frmcomponi(random());
    if (name == "frmprimi") return new frmprimi;
    if (name == "frminfo") return new frminfo;
    if (name == "frmistruzioni") return new frmistruzioni;
    return new frminizio;
}

// Shows the window as the program does and waits until it has the keyboard.
inline ui::Form *open(const QString &name, std::vector<float> draws = {})
{
    ui::Form *w = make(name, std::move(draws));
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("%s did not become active", qPrintable(name));
    return w;
}

// A drill drawing known targets: the abacus asks for 5,48, then 37; the blocks for
// 1.234, then 5.678; the grid for 1/10, then 37/100.
inline ui::Form *openDrill(const QString &name)
{
    return open(name, name == "frmabaco"     ? std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f}
                      : name == "frmcomponi" ? std::vector<float>{1134.5f / 9900, 5578.5f / 9900}
                                             : std::vector<float>{0.0f, 0.0f, 0.5f, 0.365f});
}

template <class T = QWidget>
T *control(const QWidget *w, const QString &name)
{
    T *found = w->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// A label's caption, a button's caption or else its tooltip, a window's title.
inline QString textOf(const QWidget *c)
{
    if (const auto *label = qobject_cast<const QLabel *>(c))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(c))
        return button->text().isEmpty() ? button->toolTip() : button->text();
    return c->isWindow() ? c->windowTitle() : c->accessibleName();
}

// One press of a control, in the words of the scripts below: with the mouse "left",
// "right", "middle" or "right-over-left" (the right button while the left is held);
// at the keyboard, on the control, "delete" or "delete-held" (held until it repeats);
// at a touch screen "tap", "hold" (held past the press-and-hold interval, trembling a
// little), "slide-off" (moved off the control before that), and "mouse-held", the
// left mouse button held as long.
inline void press(QWidget *c, const QString &how)
{
    static QPointingDevice *const touch = QTest::createTouchDevice();
    QWidget *w = c->window();
    const QPoint at = c->mapTo(w, c->rect().center());
    const QPoint off = at + QPoint(how == "slide-off" ? c->width() : 0, 0);
    const int held = QGuiApplication::styleHints()->mousePressAndHoldInterval() + 300;
    if (how == "delete" || how == "delete-held") {
        c->setFocus();
        QTest::keyPress(c, Qt::Key_Delete);
        for (int repeat = how == "delete-held" ? 3 : 0; repeat > 0; --repeat) {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(c, &again);
        }
        QTest::keyRelease(c, Qt::Key_Delete);
    } else if (how == "mouse-held") {
        QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, at);
        QTest::qWait(held);
        QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at);
    } else if (how == "tap" || how == "hold" || how == "slide-off") {
        QTest::touchEvent(w, touch).press(0, at, w);
        if (how == "slide-off")
            QTest::touchEvent(w, touch).move(0, off, w);
        for (int waited = 0; how != "tap" && waited < held; waited += 100) {
            QTest::qWait(100);
            if (how == "hold")
                QTest::touchEvent(w, touch).move(0, at + QPoint(waited / 100 % 2, 0), w);
        }
        QTest::touchEvent(w, touch).release(0, off, w);
    } else {
        if (how == "right-over-left")
            QTest::mousePress(c, Qt::LeftButton);
        QTest::mouseClick(c, how == "middle" ? Qt::MiddleButton : how == "left" ? Qt::LeftButton : Qt::RightButton);
        if (how == "right-over-left")
            QTest::mouseRelease(c, Qt::LeftButton);
    }
}

// The colour of a text's ink, darker than any background it is written on: the
// darkest pixel of the control, or of its top rows only.
inline QColor ink(QWidget *w, const QString &name, int topRows = 0)
{
    QRect r = control(w, name)->geometry();
    if (topRows > 0)
        r.setHeight(topRows);
    const QImage shot = w->grab(r).toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = shot.pixelColor(x, y);
    return darkest;
}

// Plays a script: steps split by spaces, each a control's name, then how it is pressed
// after a colon (a left click when not said) and how many times after a star:
// "cmdu*3 cmdu:right lbl(5):tap"; or, where the focus is, a key in brackets or text in
// braces: "[Tab]*4 [Space] [Num+Enter] {12}".
inline void play(QWidget *w, const QString &script)
{
    for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QString what = step.section(u'*', 0, 0);
        for (int n = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1; n > 0; --n) {
            if (what.startsWith(u'{')) {
                QTest::keyClicks(QApplication::focusWidget(), what.mid(1, what.size() - 2));
            } else if (what.startsWith(u'[')) {
                const QKeySequence key(what.mid(1, what.size() - 2));
                QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
            } else {
                press(control(w, what.section(u':', 0, 0)), what.contains(u':') ? what.section(u':', 1) : "left");
            }
        }
    }
}

inline void closeAll()
{
    ui::Registry::instance().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
