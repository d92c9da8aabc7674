#include "platform/controls/AccessibleControls.h"

#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label) {}

    Label* label() const { return static_cast<Label*>(widget()); }

    QAccessible::Role role() const override {
        return label()->takesKeys() ? QAccessible::Button : QAccessible::StaticText;
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

// A window's voice: shown with a text as its name, it is a notification a screen reader speaks
// at once, wherever the focus is. It takes no room, no focus and no mouse.
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

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
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

void announce(QWidget* window, const QString& text) {
    if (text.isEmpty())
        return;
    auto* announcer =
        window->findChild<QWidget*>(QStringLiteral("Announcer"), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    // Shown anew each time, so the same words twice are spoken twice.
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}

QString announced(QWidget* window) {
    const auto* announcer =
        window->findChild<QWidget*>(QStringLiteral("Announcer"), Qt::FindDirectChildrenOnly);
    return announcer && announcer->isVisibleTo(window) ? announcer->accessibleName() : QString();
}

void announce(QWidget* control) {
    const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    announce(control->window(), spoken ? spoken->text(QAccessible::Name) : QString());
}

} // namespace AccessibleControls
