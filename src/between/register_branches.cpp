#include "between/register_branches.h"

#include "between/server_branches.h"
#include "connection/commands.h"
#include "connection/connection.h"

namespace qv::between {
namespace {

/// The branch's apply step on the table's context, when there is one.
template <class Message>
auto onTable(std::function<BetweenContext*()> table,
             void (*apply)(BetweenContext&, const Message&)) {
    return [table = std::move(table), apply](const Message& message) {
        if (BetweenContext* ctx = table()) {
            apply(*ctx, message);
        }
    };
}

} // namespace

void RegisterBranches(connection::Connection& conn, std::function<BetweenContext*()> table) {
    conn.dispatcher.on(connection::MsgTableState, DecodeTableState, onTable(table, &OnTableState));
    conn.dispatcher.on(connection::MsgChat, DecodeChatRouting, onTable(table, &OnChatRouting));
    conn.dispatcher.on(connection::MsgPlayerLeft, DecodePlayerLeft, onTable(table, &OnPlayerLeft));
    conn.dispatcher.on(connection::MsgKicked, DecodeKicked, onTable(table, &OnKicked));
    conn.dispatcher.on(connection::MsgPlayerReady, DecodePlayerReady,
                       onTable(table, &OnPlayerReady));
}

} // namespace qv::between
