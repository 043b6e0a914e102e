#include "controls/score_panel.h"

#include "window/colour.h"
#include "window/fonts.h"
#include "controls/label.h"
#include "window/twips.h"

#include <QPainter>

#include <algorithm>

namespace ui {

namespace {
const QString caption = QStringLiteral("Risposte");
// Where the counters start, and where their captions end ("Sbagliate:" at 120 + 1095
// ends there too), in twips of the panel.
constexpr int counterLeft = 1320;
constexpr int captionRight = 360 + 855;
constexpr int rightTop = 480, wrongTop = 840;
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
    add(esatteName, QStringLiteral("Esatte:"), ui::rect(360, rightTop, 855, 375), Qt::AlignRight);
    lbles_ = add(QStringLiteral("lbles"), QStringLiteral("0"), ui::rect(counterLeft, rightTop, 300, 375),
                 Qt::AlignLeft);
    add(sbagliateName, QStringLiteral("Sbagliate:"), ui::rect(120, wrongTop, 1095, 375), Qt::AlignRight);
    lbler_ = add(QStringLiteral("lbler"), QStringLiteral("0"), ui::rect(counterLeft, wrongTop, 300, 375),
                 Qt::AlignLeft);
}

void ScorePanel::setRight(std::int64_t count)
{
    showCount(lbles_, rightTop, count);
}

void ScorePanel::setWrong(std::int64_t count)
{
    showCount(lbler_, wrongTop, count);
}

void ScorePanel::showCount(Label *counter, int topTwips, std::int64_t count)
{
    // The digits start where the layout puts them. A count too long for the room up to
    // the frame starts earlier, into the gap after its caption, and only a count too
    // long even for that takes a smaller size of the same face: up to 999 every count
    // keeps the panel's size. Below a readable size nothing shrinks further (a pupil
    // would need a million answers in one sitting to get there).
    constexpr int gapAfterCaption = 3, smallestReadable = 8;
    const QString digits = QString::number(count);
    const int layoutLeft = ui::px(counterLeft);
    const int earliest = ui::px(captionRight) + gapAfterCaption;
    const int last = frame().right() - 1; // a pixel clear of the frame
    QFont f = countFont_;
    const auto inkWidth = [&] {
        const QFontMetrics metrics(f);
        return std::max(metrics.horizontalAdvance(digits), metrics.boundingRect(digits).right() + 1);
    };
    while (f.pixelSize() > smallestReadable && inkWidth() > last + 1 - earliest)
        f.setPixelSize(f.pixelSize() - 1);
    const int left = std::clamp(last + 1 - inkWidth(), earliest, layoutLeft);
    // A smaller size stands on the same baseline as its caption.
    const int top = ui::px(topTwips) + QFontMetrics(countFont_).ascent() - QFontMetrics(f).ascent();
    counter->setGeometry(left, top, last + 1 - left, counter->height());
    counter->setFont(f);
    counter->setText(digits);
}

QRect ScorePanel::frame() const
{
    return rect().adjusted(0, QFontMetrics(font()).height() / 2, -2, -2);
}

void ScorePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    p.setPen(palette().color(QPalette::Window).darker(160));
    p.drawRect(frame());
    p.setPen(Qt::white);
    p.drawRect(frame().translated(1, 1));

    const QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(colour::red);
    p.drawText(text, Qt::AlignCenter, caption);
}

} // namespace ui
