#pragma once

#include <QString>

class QLabel;
class QWidget;

// What a screen reader is told beyond what the pupil sees, through Qt's accessibility
// layer. A screen reader speaks a notification when it is shown, but no change of a
// name or description that Qt reports (it sends the object, not the new text): so
// whatever has to be heard at the moment it changes is shown afresh as a notification.
namespace ui {

// The label becomes a notification: hidden while it is empty (an empty label in the
// window's own colour looks the same either way), so that opening a window says
// nothing, and shown afresh by say().
void makeNotification(QLabel *label);

// Puts text on a notification label, with a sentence that only a screen reader
// reads after it, and has it spoken once.
void say(QLabel *label, const QString &text, const QString &more = {});

// Empties a notification label without a word.
void unsay(QLabel *label);

// What a control holds, in words ("2 palline"): read with its name when it takes the
// focus, and spoken at once when it changes while the control has the focus, as after
// a Space or a Delete on it.
void describe(QWidget *control, const QString &description);

// A picture that takes the focus says what it shows.
void nameGraphic(QWidget *picture, const QString &name);

// "1 pallina", "3 palline".
QString howMany(int count, const QString &one, const QString &many);

// A control that the pupil turns on and off (a grid cell) says whether it is on.
void setChecked(QWidget *control, bool checked);

} // namespace ui
