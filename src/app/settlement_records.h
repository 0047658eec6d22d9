#pragma once

#include "between/record_windows.h"
#include "hand/seat_records.h"

#include <functional>

namespace qv::forms {
class FormHost;
}
namespace qv::settlement {
struct SettlementContext;
}

namespace qv::app {

/// The record windows of the table are the settlement's `Score` and `Hero`.
class SettlementRecords final : public between::RecordWindows, public hand::SeatRecords {
public:
    SettlementRecords(forms::FormHost& forms,
                      std::function<settlement::SettlementContext*()> settlement)
        : forms_(forms), settlement_(std::move(settlement)) {}

    void ToggleScore() override;
    void ToggleHero() override;
    void HideRecords() override;
    void ShowScoreOverTable() override;
    void ShowHeroOnTable() override;
    void ArmPostGame() override;
    void ClearSeat(int seat) override;
    void ShowSeat(int seat) override;

private:
    forms::FormHost& forms_;
    std::function<settlement::SettlementContext*()> settlement_;
};

} // namespace qv::app
