#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A rectangle or circle with an opaque fill and a thin outline, inscribed in its box.
// It takes no mouse input: clicks fall through to what lies beneath.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle };

    Shape(QWidget *parent, Kind kind, const QColor &fill, const QColor &outline);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor outline_;
};

} // namespace ui
