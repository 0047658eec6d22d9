#pragma once

#include "table/boss_key.h"

#include <functional>

namespace qv::between {

struct BetweenContext;

/// The boss key F1, for every place it goes down: the windows over the table closed (the seat
/// information, settings, exit dialog and play notice unloaded; the chat log, quick replies,
/// rules, emoticons, score sheet, history and leave notice hidden), the table and the lobby
/// minimised. From the table surface the item plug-in hears of it too.
void PressBossKey(BetweenContext& ctx, table::BossKeyFrom from);

/// The boss key on the table window as it is now; nothing once the window has gone.
class TableBossKey final : public table::BossKey {
public:
    explicit TableBossKey(std::function<BetweenContext*()> table) : table_(std::move(table)) {}
    void Press(table::BossKeyFrom from) override;

private:
    std::function<BetweenContext*()> table_;
};

} // namespace qv::between
