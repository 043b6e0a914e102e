#include "desktop/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

// The dynamic property that gives a widget an accessible face of our own: its role.
constexpr char roleKey[] = "screenReaderRole";
// A window's status bar and its notification.
constexpr char barName[] = "annunci";

class Face : public QAccessibleWidget {
public:
    Face(QWidget *w, QAccessible::Role role)
        : QAccessibleWidget(w, role)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && role() == QAccessible::Notification)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::Cell) {
            s.focusable = true;
            s.focused = widget()->hasFocus();
        }
        return s;
    }
};

QAccessibleInterface *faceFor(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    const QVariant role = w ? w->property(roleKey) : QVariant();
    return role.isValid() ? new Face(w, QAccessible::Role(role.toInt())) : nullptr;
}

// Qt keeps the first face it made for a widget: one made before the widget was
// marked goes, so that the next query asks faceFor() again.
void markFace(QWidget *w, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(faceFor), true);
    Q_UNUSED(installed);
    w->setProperty(roleKey, int(role));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    if (face && face->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace

namespace ui {

void announce(QWidget *window, const QString &text)
{
    auto *bar = window->findChild<QWidget *>(QLatin1String(barName), Qt::FindDirectChildrenOnly);
    if (!bar) {
        bar = new QWidget(window);
        bar->setObjectName(QLatin1String(barName));
        bar->setGeometry(0, 0, 0, 0);
        markFace(bar, QAccessible::StatusBar);
        auto *notification = new QLabel(bar);
        notification->setGeometry(0, 0, 0, 0);
        notification->hide();
        markFace(notification, QAccessible::Notification);
        bar->show();
    }
    auto *notification = bar->findChild<QLabel *>();
    notification->setText(text);
    notification->hide();
    notification->show();
}

void describe(QWidget *control, const QString &description)
{
    // Qt would report the change, with the object where the text should be: Orca cannot
    // speak that, and takes a grid's worth of such reports for a flood, in which it
    // drops what it was about to say. It reads a description afresh whenever a control
    // takes the focus, so the change goes unreported.
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    control->setAccessibleDescription(description);
    QAccessible::installUpdateHandler(previous);
}

void nameGraphic(QWidget *picture, const QString &name)
{
    picture->setAccessibleName(name);
    markFace(picture, QAccessible::Graphic);
}

void makeCell(QWidget *cell)
{
    markFace(cell, QAccessible::Cell);
}

QString howMany(int count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace ui
