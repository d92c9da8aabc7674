#pragma once

#include "app/Screen.h"

#include <functional>
#include <typeindex>
#include <typeinfo>

// The life of screens, in one place. Each screen class has at most one live instance, or one
// for each name where a class serves several screens (a topic menu for each topic).
// touch() creates it and runs its Form_Load when there is none; open() shows it in front;
// unload() hides it, forgets it and deletes it later, so a handler may unload its own screen
// and go on; the next touch loads it afresh. end() stops the program.
class Screens {
public:
    template <class T> static T& touch() {
        if (Screen* live = find(typeid(T)))
            return static_cast<T&>(*live);
        T* screen = new T();
        add(typeid(T), screen);
        load(*screen);
        return *screen;
    }

    template <class T> static T* find() { return static_cast<T*>(find(typeid(T))); }

    // The live screen of class T named `name`, made by `make` when there is none.
    template <class T, class Make> static T& touch(const QString& name, Make make) {
        if (Screen* live = find(typeid(T), name))
            return static_cast<T&>(*live);
        T* screen = make();
        add(typeid(T), name, screen);
        load(*screen);
        return *screen;
    }

    template <class T> static T* find(const QString& name) {
        return static_cast<T*>(find(typeid(T), name));
    }

    template <class T> static T& open() {
        T& screen = touch<T>();
        open(screen);
        return screen;
    }

    template <class T> static void unload() {
        if (Screen* live = find(typeid(T)))
            unload(*live);
    }

    static void open(Screen& screen);
    static void unload(Screen& screen);
    static void end();

    // How end() stops the program; tests replace it to watch it happen.
    static void setEndAction(std::function<void()> action);
    // Unloads every live screen at once (end of program, end of a test).
    static void unloadAll();
    static int liveCount();

private:
    static Screen* find(const std::type_info& type, const QString& name = QString());
    static void add(const std::type_info& type, const QString& name, Screen* screen);
    static void add(const std::type_info& type, Screen* screen) { add(type, QString(), screen); }
    static void load(Screen& screen);
};
