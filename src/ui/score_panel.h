#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

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

    void setRight(long long count);
    void setWrong(long long count);

    Label *lbles() const { return lbles_; }
    Label *lbler() const { return lbler_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showCount(Label *counter, long long count);

    QFont countFont_;
    Label *lbles_;
    Label *lbler_;
};

} // namespace ui
