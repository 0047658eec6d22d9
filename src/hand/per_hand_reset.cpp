#include "hand/per_hand_reset.h"

#include "client.h"
#include "hand/hand_records.h"
#include "table/main_form.h"

namespace qv::hand {

void ClearHandState(table::MainForm& form) {
    Client& client = form.client();
    ClearHandRecords(client.shared.custom, client.hand);
    client.conn.SeatMsgCount = 0;
    client.conn.g_bInGame = false;
    form.Pic_Jadetask.setVisible(false);
}

void ClearTableState(table::MainForm& form) {
    ClearHandState(form);
}

} // namespace qv::hand
