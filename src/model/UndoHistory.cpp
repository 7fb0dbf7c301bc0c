#include "UndoHistory.h"

namespace tarvel {

void UndoHistory::init(const ParamImage& image, std::uint8_t tab)
{
    oldest_ = current_ = newest_ = 0;
    slots_[0] = {image, tab};
}

bool UndoHistory::push(const ParamImage& image, std::uint8_t tab)
{
    if (slots_[current_].image == image)
        return false;
    current_ = next(current_);
    newest_ = current_;
    if (oldest_ == current_)
        oldest_ = next(oldest_);  // the ring is full: the oldest state goes
    slots_[current_] = {image, tab};
    return true;
}

std::optional<UndoHistory::Snapshot> UndoHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    current_ = current_ == 0 ? kSlots - 1 : current_ - 1;
    return slots_[current_];
}

std::optional<UndoHistory::Snapshot> UndoHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    current_ = next(current_);
    return slots_[current_];
}

}  // namespace tarvel
