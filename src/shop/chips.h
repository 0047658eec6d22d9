#pragma once

namespace qv::shop {

/// The player's chip setting as the table refreshes it: at each hand's result and when the next
/// hand is started, by the start button or the ready countdown.
class Chips {
public:
    virtual ~Chips() = default;

    /// Shows the chip setting and sends it to the server when it changed or when `force` is set.
    virtual void RefreshChip(bool force) = 0;

    /// A forced refresh, unless a change of the cigarette count has just made one.
    void RefreshForced() {
        if (isUpdateChipNum) {
            isUpdateChipNum = false;
        } else {
            RefreshChip(true);
        }
    }

    /// Set when a change of the cigarette count has just refreshed the setting; the prize panel
    /// sets it as it is laid out.
    bool isUpdateChipNum = true;
};

/// Until the chip panel is there the player has set no chips: there is nothing to show or send.
class LeastChips final : public Chips {
public:
    void RefreshChip(bool /*force*/) override {}
};

} // namespace qv::shop
