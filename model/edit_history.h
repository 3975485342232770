// The undo and redo history of an entry window: the form values after each edit, and which one is saved.
#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace dz {

// Values of the whole form, one per settled edit, oldest first. `Value` needs ==. The value
// the window was opened or saved with is the saved one; reaching it again by undo or redo
// means nothing is left to save.
template <class Value>
class EditHistory {
public:
    static constexpr std::size_t kDefaultDepth = 1000;

    explicit EditHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // A fresh history at `value`, which is the saved state (the form opened or saved).
    void Reset(Value value) {
        steps_.clear();
        steps_.push_back(std::move(value));
        at_ = 0;
        saved_ = 0;
    }

    // `value` is the form after an edit: a new step unless nothing changed. Steps undone
    // before it are dropped; the oldest step goes when the history is full.
    bool Record(Value value) {
        if (!steps_.empty() && steps_[at_] == value) return false;
        steps_.erase(steps_.begin() + std::ptrdiff_t(at_ + 1), steps_.end());
        if (saved_ && *saved_ > at_) saved_.reset();  // the saved state was undone: it is gone
        steps_.push_back(std::move(value));
        at_ = steps_.size() - 1;
        if (steps_.size() > depth_ + 1) {
            steps_.pop_front();
            --at_;
            if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
        }
        return true;
    }

    // The saved state is the current one (after a save), as `value`: saving may settle what
    // the form shows (values it derives), which is no edit of the user's.
    void MarkSaved(Value value) {
        steps_[at_] = std::move(value);
        saved_ = at_;
    }

    bool CanUndo() const { return at_ > 0; }
    bool CanRedo() const { return at_ + 1 < steps_.size(); }
    // The value one step back (or forward); nothing at the end.
    const Value* Undo() { return CanUndo() ? &steps_[--at_] : nullptr; }
    const Value* Redo() { return CanRedo() ? &steps_[++at_] : nullptr; }

    const Value& Current() const { return steps_[at_]; }
    bool AtSaved() const { return saved_ && *saved_ == at_; }
    std::size_t Steps() const { return steps_.size() - 1; }

private:
    std::size_t depth_;
    std::deque<Value> steps_;
    std::size_t at_ = 0;
    std::optional<std::size_t> saved_;
};

}  // namespace dz
