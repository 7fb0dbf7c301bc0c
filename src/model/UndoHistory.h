// A ring of 200 snapshots of the image (with its spare bytes) and the tab
// page that was open when each was taken. At most 199 undo steps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ParamImage.h"

namespace tarvel {

class UndoHistory {
public:
    static constexpr int kSlots = 200;

    struct Snapshot {
        ParamImage image;
        std::uint8_t tab = 0;
    };

    // Forgets everything and stores the first state.
    void init(const ParamImage& image, std::uint8_t tab);

    // Stores a new state after the current one unless the image equals the
    // current snapshot (207 bytes compared). Drops every redo state. Returns
    // whether the image differed.
    bool push(const ParamImage& image, std::uint8_t tab);

    // Steps back or forward; nothing when there is no such state.
    std::optional<Snapshot> undo();
    std::optional<Snapshot> redo();

    bool canUndo() const { return current_ != oldest_; }
    bool canRedo() const { return current_ != newest_; }

    const Snapshot& currentSnapshot() const { return slots_[current_]; }

private:
    static int next(int i) { return (i + 1) % kSlots; }

    std::array<Snapshot, kSlots> slots_{};
    int oldest_ = 0;
    int current_ = 0;
    int newest_ = 0;
};

}  // namespace tarvel
