#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <cstdint>

namespace ui {

class Label;

// The "Risposte" frame of the drills: the right count beside "Esatte:" and the
// wrong count beside "Sbagliate:", in the window's back colour.
class ScorePanel : public QWidget {
    Q_OBJECT
public:
    ScorePanel(QWidget *parent, int leftTwips, int topTwips, const QColor &back,
               const QString &esatteName = QStringLiteral("Label2"),
               const QString &sbagliateName = QStringLiteral("Label3"));

    void setRight(std::int64_t count);
    void setWrong(std::int64_t count);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showCount(Label *counter, int topTwips, std::int64_t count);
    // The etched frame, whose top edge runs through the middle of the caption.
    QRect frame() const;

    QFont countFont_;
    Label *lbles_;
    Label *lbler_;
};

} // namespace ui
