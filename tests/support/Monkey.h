#pragma once

#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QWidget>

// Sends random user input to whatever screens are showing: clicks with either button, moves,
// drags (press, moves, release on the pressed control, as the boards are dragged), typed
// keys, and the frames' close buttons. One generator drives everything, so a seed repeats a run.
class Monkey {
public:
    explicit Monkey(quint64 seed) : random_(seed) {}

    // One user action on one of the visible windows; false when no window is visible.
    bool act();
    // What the last action was, for the report of a failure.
    QString lastAction() const { return last_; }
    int below(int n) { return int(random_.bounded(quint32(n))); }
    // The windows that received input, by object name.
    QSet<QString> windowsVisited() const { return visited_; }

private:
    QWidget* visibleWindow();
    QWidget* targetIn(QWidget* window);
    QPoint pointIn(const QWidget* widget);
    void click(QWidget* target);
    void drag(QWidget* target);
    void move(QWidget* target);
    void key(QWidget* window);

    QRandomGenerator random_;
    QString last_;
    QSet<QString> visited_;
};
