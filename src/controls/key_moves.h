#pragma once

#include <QHash>
#include <QObject>
#include <QPair>

class QWidget;

namespace ui {

// Where a key takes the focus from a control, beyond what Tab does: the arrow keys
// between the cells of a grid, and from the buttons beside it into it. A move listed
// for Tab or Backtab (Shift+Tab) takes the place of the window's Tab order there.
class KeyMoves : public QObject {
public:
    explicit KeyMoves(QObject *parent);

    void add(QWidget *from, int key, QWidget *to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QPair<QObject *, int>, QWidget *> moves_;
};

} // namespace ui
