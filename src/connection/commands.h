#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qv::connection {

/// Command numbers (byte 3 of a message).
inline constexpr std::uint8_t MsgRoundStart = 1;
inline constexpr std::uint8_t MsgCallCard = 2;
inline constexpr std::uint8_t MsgPlayMade = 6;
inline constexpr std::uint8_t MsgPlayCards = 7;
inline constexpr std::uint8_t MsgResult = 9;
inline constexpr std::uint8_t MsgCountdownAnim = 13;
inline constexpr std::uint8_t MsgTableState = 16;
inline constexpr std::uint8_t MsgLogin = 18;
inline constexpr std::uint8_t MsgChat = 19;
inline constexpr std::uint8_t MsgPlayerSeated = 20;
inline constexpr std::uint8_t MsgPlayerLeft = 21;
inline constexpr std::uint8_t MsgKicked = 22;
inline constexpr std::uint8_t MsgPlayerReady = 23;
inline constexpr std::uint8_t MsgKeepAlive = 24;
inline constexpr std::uint8_t MsgReconnect = 28;
inline constexpr std::uint8_t MsgReconnectReply = 29;
inline constexpr std::uint8_t MsgPropPush = 44;
inline constexpr std::uint8_t MsgPropData = 45;
inline constexpr std::uint8_t MsgPropScore = 46;
inline constexpr std::uint8_t MsgMatchScores = 47;
inline constexpr std::uint8_t MsgSignUp = 72;
inline constexpr std::uint8_t MsgCancelSignUp = 73;
inline constexpr std::uint8_t MsgMyMatchList = 74;
inline constexpr std::uint8_t MsgMatchState = 75;
inline constexpr std::uint8_t MsgMatchPlace = 77;
inline constexpr std::uint8_t MsgMatchFinalPlace = 78;
inline constexpr std::uint8_t MsgSortPage = 79;
inline constexpr std::uint8_t MsgMatchConfig = 80;
inline constexpr std::uint8_t MsgServerTime = 81;
inline constexpr std::uint8_t MsgMatchList = 82;
inline constexpr std::uint8_t MsgNextRun = 83;
inline constexpr std::uint8_t MsgBagList = 85;
inline constexpr std::uint8_t MsgBagItem = 86;
inline constexpr std::uint8_t MsgSignUpCount = 87;
inline constexpr std::uint8_t MsgMatchJade = 88;
inline constexpr std::uint8_t MsgChampion = 89;
inline constexpr std::uint8_t MsgAutoSignUp = 90;
inline constexpr std::uint8_t MsgMyGold = 91;
inline constexpr std::uint8_t MsgOtherGold = 92;
/// From the server the marquee notice; from the client the shop's order (kind, goods, amount).
inline constexpr std::uint8_t MsgMarquee = 93;
inline constexpr std::uint8_t MsgShopOrder = 93;
inline constexpr std::uint8_t MsgPrizeList = 94;
inline constexpr std::uint8_t MsgNotice = 95;

/// Where the dispatcher sends a server message: to the branch its owner registered, to the item
/// plug-in, or both.
enum class Route : std::uint8_t {
    Relay, ///< no branch: to the item plug-in while it is loaded, else dropped
    RoundStart,
    CallCard,
    PlayMade,
    Result,
    CountdownAnim,
    TableState,
    LoginReply,
    Chat,
    PlayerSeated,
    PlayerLeft,
    Kicked,
    PlayerReady,
    ReconnectReply,
    PropData,  ///< 44 and 45: relayed while the plug-in is loaded
    PropScore, ///< 46: relayed and marks the plug-in's score data as wanted
    MatchScores,
    Match, ///< 72 to 99, never to the plug-in
};

/// Who sends a command.
enum class Direction : std::uint8_t { ToClient, ToServer, Both };

struct CommandInfo {
    std::uint8_t id;
    std::string_view name;
    Direction direction;
    Route route;
};

/// The one table of commands: ids, names, direction and the dispatcher's route. Numbers without a
/// row are relayed.
inline constexpr std::array kCommands{
    CommandInfo{MsgRoundStart, "MsgRoundStart", Direction::ToClient, Route::RoundStart},
    CommandInfo{MsgCallCard, "MsgCallCard", Direction::Both, Route::CallCard},
    CommandInfo{MsgPlayMade, "MsgPlayMade", Direction::ToClient, Route::PlayMade},
    CommandInfo{MsgPlayCards, "MsgPlayCards", Direction::ToServer, Route::Relay},
    CommandInfo{MsgResult, "MsgResult", Direction::ToClient, Route::Result},
    CommandInfo{MsgCountdownAnim, "MsgCountdownAnim", Direction::ToClient, Route::CountdownAnim},
    CommandInfo{MsgTableState, "MsgTableState", Direction::Both, Route::TableState},
    CommandInfo{MsgLogin, "MsgLogin", Direction::Both, Route::LoginReply},
    CommandInfo{MsgChat, "MsgChat", Direction::Both, Route::Chat},
    CommandInfo{MsgPlayerSeated, "MsgPlayerSeated", Direction::ToClient, Route::PlayerSeated},
    CommandInfo{MsgPlayerLeft, "MsgPlayerLeft", Direction::ToClient, Route::PlayerLeft},
    CommandInfo{MsgKicked, "MsgKicked", Direction::ToClient, Route::Kicked},
    CommandInfo{MsgPlayerReady, "MsgPlayerReady", Direction::ToClient, Route::PlayerReady},
    CommandInfo{MsgKeepAlive, "MsgKeepAlive", Direction::ToServer, Route::Relay},
    CommandInfo{MsgReconnect, "MsgReconnect", Direction::ToServer, Route::Relay},
    CommandInfo{MsgReconnectReply, "MsgReconnectReply", Direction::ToClient, Route::ReconnectReply},
    CommandInfo{MsgPropPush, "MsgPropPush", Direction::ToClient, Route::PropData},
    CommandInfo{MsgPropData, "MsgPropData", Direction::Both, Route::PropData},
    CommandInfo{MsgPropScore, "MsgPropScore", Direction::ToClient, Route::PropScore},
    CommandInfo{MsgMatchScores, "MsgMatchScores", Direction::ToClient, Route::MatchScores},
    CommandInfo{MsgSignUp, "MsgSignUp", Direction::Both, Route::Match},
    CommandInfo{MsgCancelSignUp, "MsgCancelSignUp", Direction::ToClient, Route::Match},
    CommandInfo{MsgMyMatchList, "MsgMyMatchList", Direction::ToClient, Route::Match},
    CommandInfo{MsgMatchState, "MsgMatchState", Direction::ToClient, Route::Match},
    CommandInfo{76, "", Direction::ToClient, Route::Match},
    CommandInfo{MsgMatchPlace, "MsgMatchPlace", Direction::ToClient, Route::Match},
    CommandInfo{MsgMatchFinalPlace, "MsgMatchFinalPlace", Direction::ToClient, Route::Match},
    CommandInfo{MsgSortPage, "MsgSortPage", Direction::Both, Route::Match},
    CommandInfo{MsgMatchConfig, "MsgMatchConfig", Direction::ToClient, Route::Match},
    CommandInfo{MsgServerTime, "MsgServerTime", Direction::Both, Route::Match},
    CommandInfo{MsgMatchList, "MsgMatchList", Direction::ToClient, Route::Match},
    CommandInfo{MsgNextRun, "MsgNextRun", Direction::ToClient, Route::Match},
    CommandInfo{84, "", Direction::ToClient, Route::Match},
    CommandInfo{MsgBagList, "MsgBagList", Direction::ToClient, Route::Match},
    CommandInfo{MsgBagItem, "MsgBagItem", Direction::ToClient, Route::Match},
    CommandInfo{MsgSignUpCount, "MsgSignUpCount", Direction::ToClient, Route::Match},
    CommandInfo{MsgMatchJade, "MsgMatchJade", Direction::ToClient, Route::Match},
    CommandInfo{MsgChampion, "MsgChampion", Direction::ToClient, Route::Match},
    CommandInfo{MsgAutoSignUp, "MsgAutoSignUp", Direction::ToClient, Route::Match},
    CommandInfo{MsgMyGold, "MsgMyGold", Direction::ToClient, Route::Match},
    CommandInfo{MsgOtherGold, "MsgOtherGold", Direction::ToClient, Route::Match},
    CommandInfo{MsgMarquee, "MsgMarquee", Direction::Both, Route::Match},
    CommandInfo{MsgPrizeList, "MsgPrizeList", Direction::Both, Route::Match},
    CommandInfo{MsgNotice, "MsgNotice", Direction::Both, Route::Match},
    CommandInfo{96, "", Direction::ToClient, Route::Match},
    CommandInfo{97, "", Direction::ToClient, Route::Match},
    CommandInfo{98, "", Direction::ToClient, Route::Match},
    CommandInfo{99, "", Direction::ToClient, Route::Match},
};

namespace detail {

constexpr bool idsAreUnique() {
    std::array<bool, 256> seen{};
    for (const auto& command : kCommands) {
        if (seen[command.id]) {
            return false;
        }
        seen[command.id] = true;
    }
    return true;
}

constexpr std::array<Route, 256> routeTable() {
    std::array<Route, 256> routes{};
    routes.fill(Route::Relay);
    for (const auto& command : kCommands) {
        routes[command.id] = command.route;
    }
    return routes;
}

} // namespace detail

static_assert(detail::idsAreUnique(), "a command number appears twice in the command table");

inline constexpr std::array<Route, 256> kRoutes = detail::routeTable();

/// The dispatcher's branch for a command number.
constexpr Route routeOf(std::uint8_t command) {
    return kRoutes[command];
}

/// Whether the item plug-in, while it is loaded, gets a copy of a server message: every command
/// without a branch of ours, and the plug-in's own data and score messages.
constexpr bool relaysToPlugin(std::uint8_t command) {
    const Route route = routeOf(command);
    return route == Route::Relay || route == Route::PropData || route == Route::PropScore;
}

/// Whether a server message's bytes 260-261 become the client's sequence bytes: every command
/// but the reconnect reply and the tournament range 71 to 99.
constexpr bool capturesSequence(std::uint8_t command) {
    return command != MsgReconnectReply && (command < 71 || command > 99);
}

} // namespace qv::connection
