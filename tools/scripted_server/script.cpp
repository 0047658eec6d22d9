#include "script.h"

#include "common/gbk.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace qv::tools {
namespace {

std::optional<int> number(const QString& text) {
    bool ok = false;
    const int value = text.startsWith(u"0x"_s) ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

/// Applies "<offset>=<byte>" or "@<offset>=<text>" to a step; false when it does not parse.
bool applyField(ScriptStep& step, const QString& token) {
    const auto eq = token.indexOf(u'=');
    if (eq < 1) {
        return false;
    }
    const bool text = token.startsWith(u'@');
    const auto offset = number(token.mid(text ? 1 : 0, eq - (text ? 1 : 0)));
    if (!offset || *offset < 0 || *offset >= connection::kMessageSize) {
        return false;
    }
    const QString value = token.mid(eq + 1);
    try {
        if (text) {
            step.message.writeBytes(*offset, toAnsi(value));
            return true;
        }
        const auto byte = number(value);
        if (!byte || *byte < 0 || *byte > 255) {
            return false;
        }
        step.message.setU8(*offset, static_cast<std::uint8_t>(*byte));
        step.match.emplace_back(*offset, static_cast<std::uint8_t>(*byte));
        return true;
    } catch (const connection::MessageError&) {
        return false;
    }
}

std::optional<ScriptStep> parseLine(const QString& line) {
    const QStringList tokens = line.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    ScriptStep step;
    step.line = line;
    const QString verb = tokens.value(0);
    if (verb == u"close"_s && tokens.size() == 1) {
        step.kind = ScriptStep::Kind::Close;
        return step;
    }
    const auto first = number(tokens.value(1));
    if (!first || *first < 0) {
        return std::nullopt;
    }
    if (verb == u"wait"_s && tokens.size() == 2) {
        step.waitMs = *first;
        return step;
    }
    if ((verb != u"send"_s && verb != u"expect"_s) || *first > 255) {
        return std::nullopt;
    }
    step.kind = verb == u"send"_s ? ScriptStep::Kind::Send : ScriptStep::Kind::Expect;
    step.message.setCommand(static_cast<std::uint8_t>(*first));
    step.match.emplace_back(connection::kCommandByte, static_cast<std::uint8_t>(*first));
    for (qsizetype i = 2; i < tokens.size(); ++i) {
        if (!applyField(step, tokens[i])) {
            return std::nullopt;
        }
    }
    return step;
}

} // namespace

bool ScriptStep::matches(const connection::GameMessage& m) const {
    for (const auto& [offset, byte] : match) {
        if (m.u8(offset) != byte) {
            return false;
        }
    }
    return true;
}

ParsedScript parseScript(const QString& text) {
    ParsedScript script;
    int lineNumber = 0;
    for (const QString& raw : text.split(u'\n')) {
        ++lineNumber;
        const QString line = raw.section(u'#', 0, 0).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        auto step = parseLine(line);
        if (!step) {
            script.error = u"line %1: %2"_s.arg(lineNumber).arg(line);
            script.steps.clear();
            return script;
        }
        script.steps.push_back(std::move(*step));
    }
    return script;
}

} // namespace qv::tools
