#pragma once

#include <QObject>

#include <bitset>

class QKeyEvent;

namespace ui {

// Esc and Enter act once a press. A key held down (or left down by a tool that never
// released it) repeats, and were the repeats to act in the window that comes up
// next, one long press on "Fine" would end the program. So a key that has acted
// waits for its release, wherever that goes: hence one watch for the whole program.
class CommandKeys : public QObject {
public:
    static CommandKeys &instance();

    // Whether a press of Esc or Enter may act; it then waits for its release.
    bool mayAct(const QKeyEvent *press);
    // A release may have gone to another program's window meanwhile.
    void forgetReleased();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CommandKeys();

    std::bitset<256> actedWhileDown_; // by key code
};

} // namespace ui
