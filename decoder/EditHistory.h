#pragma once
#include <cstddef>
#include <optional>
#include <vector>

// The states after each user action since a load, for undo and redo, and the
// state last loaded or saved, for the unsaved-changes marker. A state is
// recorded whole after each action; one that equals the current one is not a
// step. Past MaxSteps the oldest steps are dropped.
template <class State> class EditHistory {
public:
    static constexpr std::size_t MaxSteps = 200;

    // A load: the history holds only this state, and it is the saved one.
    void reset(State state)
    {
        states_.clear();
        states_.push_back(std::move(state));
        at_ = 0;
        saved_ = states_.front();
    }

    // The state after a user action; false when it is the current one.
    bool record(State state)
    {
        if (states_.empty()) {
            reset(std::move(state));
            return true;
        }
        if (state == states_[at_])
            return false;
        states_.resize(at_ + 1);
        states_.push_back(std::move(state));
        if (states_.size() > MaxSteps + 1)
            states_.erase(states_.begin());
        at_ = states_.size() - 1;
        return true;
    }

    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < states_.size(); }
    const State &undo() { return states_[canUndo() ? --at_ : at_]; }
    const State &redo() { return states_[canRedo() ? ++at_ : at_]; }
    const State *current() const { return states_.empty() ? nullptr : &states_[at_]; }

    // A save: this state is now the one on disk.
    void markSaved(State state) { saved_ = std::move(state); }
    // True while the state differs from the one loaded or last saved.
    bool isUnsaved(const State &now) const { return saved_ && !(now == *saved_); }

private:
    std::vector<State> states_;
    std::size_t at_ = 0;
    std::optional<State> saved_;
};
