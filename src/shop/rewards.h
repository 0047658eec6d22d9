#pragma once

namespace qv::shop {

/// The reward sequence after a hand as the table's start button reaches it.
class Rewards {
public:
    virtual ~Rewards() = default;

    /// Confirms what the reward displays show and arms the steps that end in the ready message.
    virtual void ShowRewardDigits() = 0;
};

} // namespace qv::shop
