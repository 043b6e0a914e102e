#include "controls/list_box.h"

#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>

namespace ui {

namespace {

// The application's style, with a slider as short as a pupil can still see and grab.
class ShortSlider : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_ScrollBarSliderMin ? 6 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

ListBox::ListBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    static auto *const style = [] {
        auto *made = new ShortSlider;
        made->setParent(QApplication::instance());
        return made;
    }();
    verticalScrollBar()->setStyle(style);
}

} // namespace ui
