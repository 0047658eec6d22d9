#include "connection/command_line.h"

#include "common/vb_text.h"

#include <QStringList>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kFieldCount = 15;
constexpr int kLocationField = 5;

/// A whole field read as a number, as the runtime's conversions read it: blanks around it are
/// allowed, anything else is not.
std::optional<double> wholeNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> roundedIn(const QString& text, double low, double high) {
    const auto value = wholeNumber(text);
    if (!value) {
        return std::nullopt;
    }
    const double rounded = std::rint(*value);
    if (rounded < low || rounded > high) {
        return std::nullopt;
    }
    return rounded;
}

bool toInteger(const QString& text, std::int16_t& out) {
    const auto value = roundedIn(text, std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max());
    if (value) {
        out = static_cast<std::int16_t>(*value);
    }
    return value.has_value();
}

bool toPort(const QString& text, std::uint16_t& out) {
    const auto value = roundedIn(text, 0, std::numeric_limits<std::uint16_t>::max());
    if (value) {
        out = static_cast<std::uint16_t>(*value);
    }
    return value.has_value();
}

bool toLength(const QString& text, std::uint8_t& out) {
    if (text.size() > std::numeric_limits<std::uint8_t>::max()) {
        return false;
    }
    out = static_cast<std::uint8_t>(text.size());
    return true;
}

bool storeField(LobbyCommandLine& line, int field, const QString& text) {
    switch (field) {
    case 1:
        line.userName_ = text;
        return true;
    case 2:
        line.credential_ = text;
        return true;
    case 3:
        line.ServerHost = text;
        return true;
    case 4:
        return toPort(text, line.ServerPort);
    case 5:
        line.location_ = text;
        return true;
    case 6:
        return toInteger(text, line.ProxyType);
    case 7:
        line.ProxyHost = text;
        return true;
    case 8:
        return toPort(text, line.ProxyPort);
    case 9:
        line.ProxyUser = text;
        return toLength(text, line.proxyUserLength_);
    case 10:
        line.ProxyPass = text;
        return toLength(text, line.proxyPassLength_);
    case 11:
        line.AltLobbyMode = leadingNumber(text) == 1.0;
        return true;
    case 12:
        line.LobbyTitle = text;
        return true;
    case 13:
        line.LobbyCaption = text;
        return true;
    case 14:
        return toInteger(text, line.Prop_swicth);
    default:
        return toInteger(text, line.Prop_InitArg);
    }
}

} // namespace

CommandLineResult ReadCommandLine(const QString& commandLine) {
    CommandLineResult result;
    QString rest = commandLine.trimmed();
    if (rest.isEmpty()) {
        return result;
    }
    result.status = CommandLineStatus::Invalid;
    LobbyCommandLine& line = result.line;
    line.g_bSpectator = !rest.endsWith(u'$');
    for (int field = 1; field <= kFieldCount; ++field) {
        const auto end = rest.indexOf(u'$');
        if (end < 0) {
            break;
        }
        if (!storeField(line, field, rest.left(end))) {
            return result;
        }
        rest = rest.mid(end + 1);
        line.fieldsTaken_ = field;
        if (field == kLocationField && line.g_bSpectator) {
            line.watchAmount_ = wholeNumber(rest);
            if (!line.watchAmount_) {
                return result;
            }
            break;
        }
    }
    result.status = CommandLineStatus::Ok;
    return result;
}

} // namespace qv::connection
