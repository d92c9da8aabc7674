#pragma once

#include <QList>
#include <map>
#include <stdexcept>
#include <string>

// A control array: controls of one role told apart by fixed index numbers, which may be
// sparse. Asking for an index that does not exist is the caller's error and throws.
template <class T> class ControlArray {
public:
    void add(int index, T* control) { items_[index] = control; }

    T& operator()(int index) const {
        const auto it = items_.find(index);
        if (it == items_.end())
            throw std::out_of_range("control array has no element " + std::to_string(index));
        return *it->second;
    }

    bool contains(int index) const { return items_.count(index) != 0; }
    int size() const { return static_cast<int>(items_.size()); }

    QList<int> indices() const {
        QList<int> list;
        for (const auto& entry : items_)
            list.append(entry.first);
        return list;
    }

    template <class F> void forEach(F&& f) const {
        for (const auto& entry : items_)
            f(entry.first, *entry.second);
    }

private:
    std::map<int, T*> items_;
};
