#pragma once
#include "decoder/DecoderTypes.h"
#include "frames/FrameState.h"
#include "image/ImageSnapshot.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

// Everything a user action can change in the window: the image, the slot
// grid's texts and outputs, and the working copies of the editors that keep
// one. Undo steps and the unsaved-changes marker compare and restore these.
struct WindowState {
    static constexpr int Slots = DecoderSlotCount;

    // Shared between copies of a state (the history keeps the loaded state
    // twice); a captured image is never changed.
    std::shared_ptr<const ImageSnapshot> image;
    std::array<QString, Slots> addressTexts;
    std::array<QString, Slots> functionTexts;
    std::array<bool, Slots> green{};
    // One per editor frame made, in the window's order; null for the frames
    // that write every change into the image at once.
    std::vector<std::shared_ptr<const FrameState>> frames;

    bool operator==(const WindowState &other) const
    {
        if (!sameImage(other) || addressTexts != other.addressTexts || functionTexts != other.functionTexts || green != other.green
            || frames.size() != other.frames.size())
            return false;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            const FrameState *a = frames[f].get();
            const FrameState *b = other.frames[f].get();
            if ((a == nullptr) != (b == nullptr) || (a && !a->sameAs(*b)))
                return false;
        }
        return true;
    }

    bool sameImage(const WindowState &other) const
    {
        if (image == other.image)
            return true;
        if (!image || !other.image)
            return false;
        return image->sameContent(*other.image);
    }
};
