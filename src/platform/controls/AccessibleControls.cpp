#include "platform/controls/AccessibleControls.h"

#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/OptionGroup.h"
#include "platform/controls/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label) {}

    Label* label() const { return static_cast<Label*>(widget()); }

    // A label reached by Tab only to be read (a line of the review) stays text.
    QAccessible::Role role() const override {
        return label()->takesKeys() && label()->events.click ? QAccessible::Button
                                                             : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        // The caption, unless the screen named the label for what it stands for (a board's box).
        if (kind == QAccessible::Name)
            return label()->accessibleName();
        if (kind == QAccessible::Description && !label()->description().isEmpty())
            return label()->description();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // The entries take the focus by keyboard only, which Qt's own test misses.
        state.focusable = label()->takesKeys();
        return state;
    }

    QStringList actionNames() const override {
        if (label()->events.click && label()->isEnabled())
            return {pressAction()};
        return {};
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && label()->events.click && label()->isEnabled())
            label()->events.click();
    }
};

class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    // A picture is named by what it shows; a page by its text, so the key facts can be read.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Description) {
            if (auto* box = qobject_cast<ImageBox*>(widget()))
                return box->picture().description();
            if (auto* box = qobject_cast<PictureBox*>(widget()))
                return box->picture().description();
        }
        return QAccessibleWidget::text(kind);
    }
};

// Says a text once, without moving the focus: a screen reader speaks a notification as it
// appears. It takes no room, no focus and no mouse.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("Announcer"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(0, 0);
        hide();
    }
};

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->objectName() == QLatin1String("Announcer") &&
        className == QLatin1String("QWidget"))
        return new AccessibleAnnouncer(widget);
    // A screen is a plain window of its own: a frame to a screen reader, named by its
    // accessible name or else its title, rather than an anonymous filler.
    if (widget && widget->isWindow() && widget->windowType() == Qt::Window &&
        widget->metaObject() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (qobject_cast<OptionGroup*>(object))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleLabel(label);
    if (qobject_cast<PictureBox*>(object) || qobject_cast<ImageBox*>(object))
        return new AccessiblePicture(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

namespace AccessibleControls {

void install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(makeInterface);
}

void announce(QWidget* control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    announce(control->window(), spoken ? spoken->text(QAccessible::Name) : QString());
}

void announce(QWidget* window, const QString& text) {
    if (text.isEmpty())
        return;
    auto* announcer =
        window->findChild<QWidget*>(QStringLiteral("Announcer"), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}

QString announced(QWidget* window) {
    const auto* announcer =
        window->findChild<QWidget*>(QStringLiteral("Announcer"), Qt::FindDirectChildrenOnly);
    return announcer && announcer->isVisibleTo(window) ? announcer->accessibleName() : QString();
}

} // namespace AccessibleControls
