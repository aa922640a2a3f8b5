// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What the reading windows need from the main window that holds them.
#pragma once

class QWidget;

namespace orbis {

class Platform;
class SignPictures;
struct ReadingState;

// The option buttons carry these numbers as their index.
enum class ReadingKind { Descendant = 0, Midheaven = 1, RisingSign = 2 };

// The six reading windows, in the order in which opening a reading unloads them.
enum class ReadingSlot {
    DescendantResult,
    DescendantDetails,
    MidheavenResult,
    MidheavenDetails,
    RisingSignResult,
    RisingSignDetails,
};
inline constexpr int kReadingSlotCount = 6;

// The birth-details window and the result window of one reading.
struct ReadingSlots {
    ReadingSlot details;
    ReadingSlot result;
};

constexpr ReadingSlots SlotsOf(ReadingKind kind)
{
    switch (kind) {
    case ReadingKind::Descendant:
        return {ReadingSlot::DescendantDetails, ReadingSlot::DescendantResult};
    case ReadingKind::Midheaven:
        return {ReadingSlot::MidheavenDetails, ReadingSlot::MidheavenResult};
    case ReadingKind::RisingSign:
        break;
    }
    return {ReadingSlot::RisingSignDetails, ReadingSlot::RisingSignResult};
}

class ReadingHost {
public:
    virtual ~ReadingHost() = default;

    virtual Platform& platform() = 0;
    virtual ReadingState& readings() = 0;
    virtual SignPictures& signPictures() = 0;
    // The welcome panel picMain: shown when a reading window unloads, hidden while one is up.
    virtual void setWelcomeVisible(bool visible) = 0;
    // Takes `window` in as a child window in `slot`, at the top edge, centred on the screen width.
    virtual void present(ReadingSlot slot, QWidget* window) = 0;
    virtual void showAbout(QWidget* over) = 0;
};

} // namespace orbis
