#pragma once

namespace qv::shop {

/// The jade reward display that a prize notice after a hand starts.
class JadeReward {
public:
    virtual ~JadeReward() = default;
    virtual void ShowJadeReward() = 0;
};

/// Until the reward displays are there, a jade reward shows nothing.
class LeastJadeReward final : public JadeReward {
public:
    void ShowJadeReward() override {}
};

} // namespace qv::shop
