#pragma once
#include <memory>
#include <utility>

// An editor's working copy as undo and the unsaved-changes marker keep it:
// copied whole after a user action, compared, and given back to the editor.
class FrameState {
public:
    virtual ~FrameState() = default;
    virtual bool sameAs(const FrameState &other) const = 0;
};

template <class T> class FrameStateOf : public FrameState {
public:
    explicit FrameStateOf(T copy) : value(std::move(copy)) {}
    bool sameAs(const FrameState &other) const override
    {
        const auto *same = dynamic_cast<const FrameStateOf *>(&other);
        return same && same->value == value;
    }
    T value;
};

template <class T> std::shared_ptr<const FrameState> frameStateOf(T copy)
{
    return std::make_shared<FrameStateOf<T>>(std::move(copy));
}
