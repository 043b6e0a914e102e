#pragma once

#include <QString>

class QWidget;

// What a screen reader is told beyond what the pupil sees, through Qt's accessibility
// layer, in the ways Orca speaks them: a line spoken at once without moving the focus,
// what a control holds, and faces for a grid cell and a picture.
namespace ui {

// Speaks a line at once, once, without moving the focus: the window's own
// notification, shown afresh inside a status bar, which Orca reads with no role word
// before it. Nothing is seen: both have no size.
void announce(QWidget *window, const QString &text);

// What a control holds ("3 palline") or what a window asks for ("37,4"), read after
// the name when the control takes the focus or the window becomes active. A change is
// read then, not at once: whatever has to be heard at once is announced.
void describe(QWidget *control, const QString &description);

// A picture that takes the focus says what it shows.
void nameGraphic(QWidget *picture, const QString &name);

// A cell of a grid: read as its name and what it holds, with no role word, and
// reachable by the keyboard although a click never gives it the focus.
void makeCell(QWidget *cell);

// "1 pallina", "3 palline".
QString howMany(int count, const QString &one, const QString &many);

} // namespace ui
