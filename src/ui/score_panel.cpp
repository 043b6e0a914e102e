#include "ui/score_panel.h"

#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/twips.h"

#include <QPainter>

#include <algorithm>

namespace ui {

namespace {
const QString caption = QStringLiteral("Risposte");
}

ScorePanel::ScorePanel(QWidget *parent, int leftTwips, int topTwips, const QColor &back,
                       const QString &esatteName, const QString &sbagliateName)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(caption);
    setGeometry(ui::rect(leftTwips, topTwips, 1695, 1335));
    setFont(ui::font(comicSans, 14.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(true);

    countFont_ = ui::font(comicSans, 11.25);
    const QFont &small = countFont_;
    const auto add = [&](const QString &name, const QString &text, const QRect &r,
                         Qt::Alignment align) {
        auto *label = new Label(this, text, r, align);
        label->setObjectName(name);
        label->setFont(small);
        label->setColours(colour::black, back);
        return label;
    };
    add(esatteName, QStringLiteral("Esatte:"), ui::rect(360, 480, 855, 375), Qt::AlignRight);
    lbles_ = add(QStringLiteral("lbles"), QStringLiteral("0"), ui::rect(1320, 480, 300, 375),
                 Qt::AlignLeft);
    add(sbagliateName, QStringLiteral("Sbagliate:"), ui::rect(120, 840, 1095, 375), Qt::AlignRight);
    lbler_ = add(QStringLiteral("lbler"), QStringLiteral("0"), ui::rect(1320, 840, 300, 375),
                 Qt::AlignLeft);
}

void ScorePanel::setRight(std::int64_t count)
{
    showCount(lbles_, count);
}

void ScorePanel::setWrong(std::int64_t count)
{
    showCount(lbler_, count);
}

void ScorePanel::showCount(Label *counter, std::int64_t count)
{
    // Two digits fit the counter in the panel's size; longer counts take a smaller
    // size of the same face rather than losing digits or moving anything.
    const QString digits = QString::number(count);
    QFont f = countFont_;
    const auto fits = [&] {
        const QFontMetrics metrics(f);
        const int inkRight = metrics.boundingRect(digits).right() + 1; // ink may pass the advance
        return std::max(metrics.horizontalAdvance(digits), inkRight) < counter->width();
    };
    while (f.pixelSize() > 1 && !fits())
        f.setPixelSize(f.pixelSize() - 1);
    counter->setFont(f);
    counter->setText(digits);
}

void ScorePanel::paintEvent(QPaintEvent *)
{
    // An etched frame whose top edge runs through the middle of the caption.
    QPainter p(this);
    const QFontMetrics fm(font());
    const int captionMiddle = fm.height() / 2;
    const QRect frame = rect().adjusted(0, captionMiddle, -2, -2);
    p.setPen(palette().color(QPalette::Window).darker(160));
    p.drawRect(frame);
    p.setPen(Qt::white);
    p.drawRect(frame.translated(1, 1));

    const QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(colour::red);
    p.drawText(text, Qt::AlignCenter, caption);
}

} // namespace ui
