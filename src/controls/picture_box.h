#pragma once

#include <QSize>
#include <QWidget>

class QSvgRenderer;

namespace ui {

// A picture drawn at a fixed size from the box's top-left corner: whatever lies
// beyond the box's edges is cut off. Also serves the plain images.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &resource, QSize pictureSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString resource_;
    QSvgRenderer *renderer_ = nullptr; // read at the first paint
    QSize pictureSize_;
};

} // namespace ui
