#include "desktop/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

// Dynamic properties that choose a widget's accessible face.
constexpr char notificationKey[] = "screenReaderNotification";
constexpr char checkedKey[] = "screenReaderChecked";
constexpr char graphicKey[] = "screenReaderGraphic";
// The window's own notification for what the focused control now holds.
constexpr char announcerName[] = "announcer";

// A label that a screen reader speaks when it shows: its text, or the name given.
class NotificationFace : public QAccessibleWidget {
public:
    explicit NotificationFace(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// Something the pupil turns on and off, such as a grid cell.
class CheckFace : public QAccessibleWidget {
public:
    explicit CheckFace(QWidget *w)
        : QAccessibleWidget(w, QAccessible::CheckBox)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = widget()->property(checkedKey).toBool();
        return s;
    }
};

QAccessibleInterface *faceFor(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    if (auto *label = qobject_cast<QLabel *>(w); label && label->property(notificationKey).toBool())
        return new NotificationFace(label);
    if (w->property(checkedKey).isValid())
        return new CheckFace(w);
    if (w->property(graphicKey).toBool())
        return new QAccessibleWidget(w, QAccessible::Graphic);
    return nullptr;
}

// Qt keeps the first face it made for a widget: one made before the widget was
// marked goes, so that the next query asks faceFor() again.
void markFace(QWidget *w, const char *key, const QVariant &value, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(faceFor), true);
    Q_UNUSED(installed);
    w->setProperty(key, value);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    if (face && face->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace

namespace ui {

void makeNotification(QLabel *label)
{
    markFace(label, notificationKey, true, QAccessible::Notification);
    if (label->text().isEmpty())
        label->hide();
}

void say(QLabel *label, const QString &text, const QString &more)
{
    if (label->accessibleDescription() != more)
        label->setAccessibleDescription(more);
    label->setText(text);
    // Shown afresh: a label already in sight is announced as shown again.
    if (label->isHidden()) {
        label->show();
    } else {
        QAccessibleEvent shown(label, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void unsay(QLabel *label)
{
    label->clear();
    label->hide();
}

void describe(QWidget *control, const QString &description)
{
    if (control->accessibleDescription() == description)
        return;
    control->setAccessibleDescription(description);
    QWidget *window = control->window();
    auto *announcer = window->findChild<QLabel *>(QLatin1String(announcerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        // No size, so that it never draws; hidden until it first speaks.
        announcer = new QLabel(window);
        announcer->setObjectName(QLatin1String(announcerName));
        announcer->setGeometry(0, 0, 0, 0);
        makeNotification(announcer);
    }
    if (control->hasFocus())
        say(announcer, control->accessibleName() + QLatin1String(", ") + description);
}

void nameGraphic(QWidget *picture, const QString &name)
{
    picture->setAccessibleName(name);
    markFace(picture, graphicKey, true, QAccessible::Graphic);
}

QString howMany(int count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

void setChecked(QWidget *control, bool checked)
{
    const QVariant was = control->property(checkedKey);
    if (!was.isValid()) {
        markFace(control, checkedKey, checked, QAccessible::CheckBox);
        return;
    }
    if (was.toBool() == checked)
        return;
    control->setProperty(checkedKey, checked);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui
