#include "hand/per_hand_reset.h"

#include "hand/hand_context.h"
#include "hand/hand_records.h"

namespace qv::hand {

void ClearHandState(HandContext& ctx) {
    ClearHandRecords(ctx.hand);
    ctx.conn.SeatMsgCount = 0;
    ctx.conn.g_bInGame = false;
    ctx.conn.view->hideJadeTask();
}

void ClearTableState(HandContext& ctx) {
    ClearHandState(ctx);
}

} // namespace qv::hand
