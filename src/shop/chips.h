#pragma once

namespace qv::shop {

/// The player's chip setting as the rest of the table refreshes it: at each hand's result and
/// when the next hand is started, by the start button or the ready countdown.
class Chips {
public:
    virtual ~Chips() = default;

    /// Shows the chip setting and sends it to the server when it changed or when `force` is set.
    virtual void RefreshChip(bool force) = 0;
    /// A forced refresh, unless a fall of the cigarette count or the prize bar's layout has just
    /// asked to skip the next one.
    virtual void RefreshForced() = 0;
};

} // namespace qv::shop
