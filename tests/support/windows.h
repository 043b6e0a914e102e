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

// A whole press of a mouse button: L left, R right, M middle, C right with the left
// held; or D, the Delete key on the focused control; H, Delete held until it repeats.
inline void press(QWidget *c, char how)
{
    if (how == 'D' || how == 'H') {
        c->setFocus();
        QTest::keyPress(c, Qt::Key_Delete);
        for (int repeat = how == 'H' ? 3 : 0; repeat > 0; --repeat) {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(c, &again);
        }
        QTest::keyRelease(c, Qt::Key_Delete);
        return;
    }
    if (how == 'C')
        QTest::mousePress(c, Qt::LeftButton);
    QTest::mouseClick(c, how == 'L' ? Qt::LeftButton : how == 'M' ? Qt::MiddleButton : Qt::RightButton);
    if (how == 'C')
        QTest::mouseRelease(c, Qt::LeftButton);
}

inline QColor pixel(const QImage &shot, int xTwips, int yTwips)
{
    return shot.pixelColor(ui::px(xTwips), ui::px(yTwips));
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

// Plays presses split by spaces, each a control's name, a letter for how it is
// pressed (as for press()) and how many times: "cmdu L3", "cmdconferma".
inline void play(QWidget *w, const QString &script)
{
    const QStringList words = script.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        QWidget *c = control(w, words[i]);
        const QString how = i + 1 < words.size() && words[i + 1].front().isUpper() ? words[++i] : QStringLiteral("L");
        for (int n = how.size() > 1 ? how.mid(1).toInt() : 1; n > 0; --n)
            press(c, how.front().toLatin1());
    }
}

inline void closeAll()
{
    ui::Registry::instance().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
