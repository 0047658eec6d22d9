#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::connection {

/// The lobby's command line: up to 15 fields, each ended by "$". A field the line does not carry
/// keeps its start value.
struct LobbyCommandLine {
    QString userName_;
    QString credential_;
    QString ServerHost;
    std::uint16_t ServerPort = 0;
    QString location_;
    std::int16_t ProxyType = 0;
    QString ProxyHost;
    std::uint16_t ProxyPort = 0;
    QString ProxyUser;
    std::uint8_t proxyUserLength_ = 0;
    QString ProxyPass;
    std::uint8_t proxyPassLength_ = 0;
    bool AltLobbyMode = false;
    QString LobbyTitle;
    QString LobbyCaption;
    std::int16_t Prop_swicth = 0;
    std::int16_t Prop_InitArg = 0;
    /// Watch mode: the line does not end with "$".
    bool g_bSpectator = false;
    /// In watch mode, the number behind field 5 (the own seat's last amount).
    std::optional<double> watchAmount_;
    /// How many fields the line carried, 0 to 15.
    int fieldsTaken_ = 0;

    friend bool operator==(const LobbyCommandLine&, const LobbyCommandLine&) = default;
};

enum class CommandLineStatus {
    Ok,
    Empty,   ///< nothing but blanks: the client was not started by the lobby
    Invalid, ///< a field that does not convert: start-up fails
};

struct CommandLineResult {
    CommandLineStatus status = CommandLineStatus::Empty;
    LobbyCommandLine line;
};

/// Splits and converts the command line. Ports take 0 to 65535; the other numeric fields a
/// 16-bit signed value, rounded half to even.
CommandLineResult ReadCommandLine(const QString& commandLine);

} // namespace qv::connection
