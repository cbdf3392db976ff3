#pragma once
#include <QJsonValue>
#include <memory>
#include <utility>

// An editor's working copy as undo and the unsaved-changes marker keep it:
// copied whole after a user action, compared, and given back to the editor.
// The recovery file keeps it as a JSON value that the copy's type reads back.
class FrameState {
public:
    virtual ~FrameState() = default;
    virtual bool sameAs(const FrameState &other) const = 0;
    virtual QJsonValue toJson() const = 0;
};

template <class T> class FrameStateOf : public FrameState {
public:
    explicit FrameStateOf(T copy) : value(std::move(copy)) {}
    bool sameAs(const FrameState &other) const override
    {
        const auto *same = dynamic_cast<const FrameStateOf *>(&other);
        return same && same->value == value;
    }
    QJsonValue toJson() const override { return value.toJson(); }
    T value;
};

template <class T> std::shared_ptr<const FrameState> frameStateOf(T copy)
{
    return std::make_shared<FrameStateOf<T>>(std::move(copy));
}
