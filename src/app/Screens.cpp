#include "app/Screens.h"

#include "app/Dispatch.h"
#include "app/FullScreen.h"
#include "platform/Picture.h"

#include <QApplication>
#include <map>

namespace {

using Key = std::pair<std::type_index, QString>;

std::map<Key, Screen*>& registry() {
    static std::map<Key, Screen*> screens;
    return screens;
}

std::function<void()>& endAction() {
    static std::function<void()> action = [] {
        Screens::unloadAll();
        QCoreApplication::exit(0);
    };
    return action;
}

} // namespace

Screen* Screens::find(const std::type_info& type, const QString& name) {
    const auto it = registry().find({std::type_index(type), name});
    return it == registry().end() ? nullptr : it->second;
}

void Screens::add(const std::type_info& type, const QString& name, Screen* screen) {
    registry()[{std::type_index(type), name}] = screen;
}

void Screens::load(Screen& screen) {
    Dispatch::run("Form_Load", [&screen] { screen.Form_Load(); });
}

void Screens::open(Screen& screen) {
    FullScreen::prepare(screen);
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void Screens::unload(Screen& screen) {
    for (auto it = registry().begin(); it != registry().end(); ++it) {
        if (it->second == &screen) {
            registry().erase(it);
            break;
        }
    }
    if (screen.isUnloaded())
        return;
    screen.markUnloaded();
    screen.hide();
    // Left to itself, the window manager may hand the focus to the backdrop, or to a screen
    // behind the one now in front.
    FullScreen::bringFrontForward();
    // Its pictures are let go only once its controls are gone with it.
    QObject::connect(&screen, &QObject::destroyed, [] { Picture::dropUnused(); });
    screen.deleteLater();
}

void Screens::end() {
    endAction()();
}

void Screens::setEndAction(std::function<void()> action) {
    endAction() = std::move(action);
}

void Screens::unloadAll() {
    while (!registry().empty())
        unload(*registry().begin()->second);
}

int Screens::liveCount() {
    return static_cast<int>(registry().size());
}
