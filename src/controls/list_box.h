#pragma once

#include <QPlainTextEdit>

namespace ui {

// A box of wrapped text to read, not to type into, with a vertical scroll bar whose
// slider keeps to the part of the text in sight and moves along with it, even where
// the box is only a few lines tall: a slider of the style's least length would fill
// so short a track, at the top of a long text and at its end alike.
class ListBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent);
};

} // namespace ui
