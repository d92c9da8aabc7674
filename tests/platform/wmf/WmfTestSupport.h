#pragma once

#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfRecorder.h"

#include <QList>

#include <vector>

// Plays a metafile into a recorder and picks out the calls a test is about.
namespace WmfTest {

struct Played {
    WmfParseResult result;
    std::vector<WmfCommand::Any> commands;
};

inline Played play(const QByteArray& file) {
    WmfRecorder recorder;
    Played played;
    played.result = WmfParser::parse(file, recorder);
    played.commands = recorder.commands();
    return played;
}

template <class T> QList<T> only(const std::vector<WmfCommand::Any>& commands) {
    QList<T> found;
    for (const auto& c : commands)
        if (const T* t = std::get_if<T>(&c))
            found.append(*t);
    return found;
}

// The pen and brush in effect at each rectangle drawn.
struct StateAtRect {
    WmfPen pen;
    WmfBrush brush;
    std::optional<QPainterPath> clip;
};

inline QList<StateAtRect> statesAtRects(const std::vector<WmfCommand::Any>& commands) {
    QList<StateAtRect> states;
    StateAtRect current;
    for (const auto& c : commands) {
        if (const auto* p = std::get_if<WmfCommand::SetPen>(&c))
            current.pen = p->pen;
        else if (const auto* b = std::get_if<WmfCommand::SetBrush>(&c))
            current.brush = b->brush;
        else if (const auto* k = std::get_if<WmfCommand::SetClip>(&c))
            current.clip = k->clip;
        else if (std::holds_alternative<WmfCommand::Rect>(c))
            states.append(current);
    }
    return states;
}

} // namespace WmfTest
