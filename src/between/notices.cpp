#include "between/between_context.h"
#include "between/leave_table.h"
#include "between/server_branches.h"
#include "common/gbk.h"
#include "connection/chat_sub_code.h"
#include "connection/connection.h"
#include "connection/server_text.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "platform/services.h"
#include "table/main_form.h"

#include <exception>

namespace qv::between {
namespace {

constexpr int kReasonByte = 16;
constexpr int kReasonEnd = 216;
constexpr int kReadyByte = 15;
constexpr int kNameByte = 16;
constexpr int kNameBytes = 16;
constexpr int kHistoryPauseMs = 2000;
constexpr int kAfterRemovalWaitMs = 5000;
constexpr std::uint8_t kHighBit = 0x80;

} // namespace

std::optional<ChatRouting> DecodeChatRouting(const connection::GameMessage& m) {
    return ChatRouting{.subCode = connection::ChatSubCode(m), .message = m};
}

void OnChatRouting(BetweenContext& ctx, const ChatRouting& msg) {
    try {
        if (connection::IsPluginSubCode(msg.subCode)) {
            plugin::RelayToPlugin(ctx.hand.plugin, msg.message.toByteArray());
            return;
        }
        ctx.chatReceiver.OnChatMessage(msg.message);
    } catch (const std::exception&) {
        // An error in either receiver ends only that receiver.
    }
}

std::optional<Kicked> DecodeKicked(const connection::GameMessage& m) {
    QByteArray bytes;
    int i = kReasonByte;
    while (i < kReasonEnd) {
        const std::uint8_t b = m.u8(i);
        if (b == 0) {
            break;
        }
        if (b < kHighBit) {
            bytes.append(static_cast<char>(b));
            ++i;
        } else {
            bytes.append(static_cast<char>(b));
            bytes.append(static_cast<char>(m.u8(i + 1)));
            i += 2;
        }
    }
    return Kicked{fromGbkLenient(bytes)};
}

void OnKicked(BetweenContext& ctx, const Kicked& msg) {
    connection::Connection& conn = ctx.hand.conn;
    conn.g_bInGame = false;
    if (!ctx.hand.table.g_bHiddenPlay) {
        ctx.records.ShowHeroOnTable();
    }
    conn.services.time.sleep(kHistoryPauseMs);
    if (conn.ResultStage == 1) {
        conn.g_bPropExitDeferred = true;
    } else if (ctx.hand.plugin.loaded()) {
        conn.propPlugin->ExitPropPlugin(0);
    }
    ShowOtherExit(ctx, msg.reason);
    conn.slots.BongFlag[connection::kReadySlot] = false;
    conn.slots.disarm(connection::kCheckSlot);
    conn.g_bInGame = false;
    conn.g_bTableReset = false;
    CloseTable(ctx);
    SendLeaveTable(ctx);
    conn.services.time.wait(kAfterRemovalWaitMs);
}

std::optional<PlayerReady> DecodePlayerReady(const connection::GameMessage& m) {
    return PlayerReady{.ready = m.u8(kReadyByte) == 1,
                       .name = connection::SingleByteText(m, kNameByte, kNameBytes)};
}

void OnPlayerReady(BetweenContext& ctx, const PlayerReady& msg) {
    table::MainForm& form = ctx.hand.form;
    if (msg.ready) {
        for (int i = 0; i < 4; ++i) {
            if (!form.Nid(i).caption().isEmpty() &&
                ctx.hand.hand.custom.at(static_cast<std::size_t>(i)).name == msg.name) {
                form.OK(i).setVisible(true);
                form.OK(i).zOrder(0);
            }
        }
    }
    if (form.OK(1).visible() && form.OK(2).visible() && form.OK(3).visible() &&
        ctx.hand.conn.g_bFirstDealDone == 0) {
        hand::ResetTable(ctx.hand);
        hand::ClearTableState(ctx.hand);
        ctx.hand.conn.g_bTableReset = true;
    }
}

} // namespace qv::between
