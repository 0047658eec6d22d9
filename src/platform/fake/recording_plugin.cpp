#include "platform/fake/recording_plugin.h"

#include <sstream>
#include <stdexcept>

namespace qv::platform::fake {
namespace {

constexpr std::size_t kFrameSize = 272;
constexpr std::size_t kCommandByte = 3;

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string number(long long value) {
    return std::to_string(value);
}

/// "-" stands for an empty text in a script, "_" for a blank.
std::string scriptText(const std::string& word) {
    if (word == "-") {
        return {};
    }
    std::string text = word;
    for (char& c : text) {
        if (c == '_') {
            c = ' ';
        }
    }
    return text;
}

std::vector<std::int32_t> readNumbers(std::istream& in) {
    std::vector<std::int32_t> values;
    std::int32_t value = 0;
    while (in >> value) {
        values.push_back(value);
    }
    return values;
}

/// `frame COMMAND [FILL]`, `tip TEXT N...` or `TYPE TEXT` after `action` or `on COMMAND`.
ScriptedAction readAction(std::istream& in) {
    ScriptedAction action;
    std::string kind;
    in >> kind;
    if (kind == "frame") {
        int command = 0;
        int fill = 0;
        in >> command >> fill;
        action.type = 2;
        action.frame =
            PluginFrame(static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(fill));
    } else if (kind == "tip") {
        std::string text;
        in >> text;
        action.type = 1;
        action.text = scriptText(text);
        const std::vector<std::int32_t> values = readNumbers(in);
        const auto split = values.begin() + std::min<std::ptrdiff_t>(4, std::ssize(values));
        action.rect.assign(values.begin(), split);
        action.attr.assign(split, values.end());
    } else {
        std::string text;
        in >> text;
        action.type = static_cast<std::int16_t>(std::stoi(kind));
        action.text = scriptText(text);
    }
    return action;
}

} // namespace

std::vector<std::uint8_t> PluginFrame(std::uint8_t command, std::uint8_t fill) {
    std::vector<std::uint8_t> frame(kFrameSize, fill);
    frame.at(kCommandByte) = command;
    return frame;
}

PluginScript ReadPluginScript(const std::string& text, PluginScript script) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        try {
            if (word == "initdll") {
                in >> script.initdll;
            } else if (word == "chests") {
                in >> script.chests;
            } else if (word == "userinfo") {
                in >> script.userinfo;
            } else if (word == "score") {
                script.scoreAnswers.clear();
                for (std::int32_t answer : readNumbers(in)) {
                    script.scoreAnswers.push_back(static_cast<std::int16_t>(answer));
                }
            } else if (word == "seat") {
                std::size_t s = 0;
                double gold = 0;
                std::string name;
                std::string items;
                in >> s >> gold >> name >> items;
                script.gold.at(s) = gold;
                script.texts.at(0).at(s) = scriptText(name);
                script.texts.at(1).at(s) = scriptText(items);
                script.items.at(s) = scriptText(items);
            } else if (word == "throw") {
                in >> word;
                script.throwing.insert(word);
            } else if (word == "action") {
                script.actions.push_back(readAction(in));
            } else if (word == "on") {
                int command = 0;
                in >> command;
                script.onMessage[command].push_back(readAction(in));
            } else if (word == "anim") {
                in >> script.layout.Prop_BaoAnim[0] >> script.layout.Prop_BaoAnim[1];
            }
        } catch (const std::exception&) {
            // A line that does not read is skipped like an unknown one.
        }
    }
    return script;
}

std::vector<RecordingPlugin::Call> RecordingPlugin::callsOf(const std::string& method) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
        if (call.method == method) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<std::string> RecordingPlugin::methods() const {
    std::vector<std::string> names;
    names.reserve(calls.size());
    for (const Call& call : calls) {
        names.push_back(call.method);
    }
    return names;
}

void RecordingPlugin::record(std::string method, std::vector<std::string> args) {
    calls.push_back({std::move(method), std::move(args)});
    const Call& call = calls.back();
    if (log) {
        std::string line = call.method;
        for (const std::string& arg : call.args) {
            line += ' ';
            line += arg;
        }
        log(line);
    }
    if (onCall) {
        onCall(call);
    }
    if (script.throwing.contains(call.method)) {
        throw std::runtime_error(call.method + " broke");
    }
}

bool RecordingPlugin::Initdll(const std::string& userName, const std::string& credential,
                              const std::string& kind, std::int32_t window, const std::string& key,
                              std::int16_t scaleMode, std::int16_t field15) {
    record("Initdll",
           {userName, credential, kind, number(window), key, number(scaleMode), number(field15)});
    return script.initdll;
}

bool RecordingPlugin::GetBaoInfo(ChestLayout& layout) {
    record("GetBaoInfo", {});
    layout = script.layout;
    return script.chests;
}

bool RecordingPlugin::SetUserinfo(const std::string& account, const std::string& nickname,
                                  std::uint8_t seatMask, std::int16_t screenSeat, bool flag,
                                  std::uint8_t sex, const std::string& text,
                                  const std::string& faceCode) {
    record("SetUserinfo", {account, nickname, number(seatMask), number(screenSeat),
                           fake::flag(flag), number(sex), text, faceCode});
    return script.userinfo;
}

void RecordingPlugin::ClearUser(std::int16_t screenSeat) {
    record("ClearUser", {number(screenSeat)});
}

void RecordingPlugin::Rec_MSG(const std::vector<std::uint8_t>& message) {
    const int command = message.size() > kCommandByte ? message[kCommandByte] : -1;
    record("Rec_MSG", {number(command), std::string(message.begin(), message.end())});
    if (const auto found = script.onMessage.find(command); found != script.onMessage.end()) {
        script.actions.insert(script.actions.end(), found->second.begin(), found->second.end());
    }
}

void RecordingPlugin::InitShowEnd() {
    record("InitShowEnd", {});
}

std::int16_t RecordingPlugin::GetScoreInfo(ScoreItems& items, ScoreGold& gold, ScoreTexts& texts) {
    record("GetScoreInfo", {});
    const std::int16_t answer =
        script.scoreAnswers.empty()
            ? std::int16_t{1}
            : script.scoreAnswers.at(std::min(scoreAsked_, script.scoreAnswers.size() - 1));
    ++scoreAsked_;
    if (answer == 1) {
        items = script.items;
        gold = script.gold;
        texts = script.texts;
    }
    return answer;
}

void RecordingPlugin::InitShowNext(bool newHand) {
    record("InitShowNext", {flag(newHand)});
    if (newHand) {
        scoreAsked_ = 0;
    }
}

std::int16_t RecordingPlugin::CheckSendBuff() {
    record("CheckSendBuff", {});
    return static_cast<std::int16_t>(script.actions.size());
}

void RecordingPlugin::GetSendBuff(std::vector<std::uint8_t>& picture, std::string& text,
                                  std::vector<std::uint8_t>& frame, std::int16_t& type,
                                  std::vector<std::int32_t>& rect,
                                  std::vector<std::int32_t>& attr) {
    record("GetSendBuff", {});
    if (script.actions.empty()) {
        return;
    }
    ScriptedAction action = std::move(script.actions.front());
    script.actions.pop_front();
    picture.clear();
    text = std::move(action.text);
    frame = std::move(action.frame);
    type = action.type;
    rect = std::move(action.rect);
    attr = std::move(action.attr);
}

void RecordingPlugin::ShowGif(std::int16_t which, bool on) {
    record("ShowGif", {number(which), flag(on)});
}

void RecordingPlugin::rec_state(std::int16_t mode, bool value, std::int16_t panel) {
    record("rec_state", {number(mode), flag(value), number(panel)});
}

bool RecordingPlugin::ShowVmVideo(std::int16_t panel, bool show, std::int16_t zero) {
    record("ShowVmVideo", {number(panel), flag(show), number(zero)});
    return script.showVideo;
}

void RecordingPlugin::SetKeyDown(std::int16_t keyCode) {
    record("SetKeyDown", {number(keyCode)});
}

void RecordingPlugin::setbankstate(std::int16_t state) {
    record("setbankstate", {number(state)});
}

void RecordingPlugin::FixBuffPos() {
    record("FixBuffPos", {});
}

void RecordingPlugin::UpdataMyProp(bool update) {
    record("UpdataMyProp", {flag(update)});
}

void RecordingPlugin::InitExit(std::int16_t mode) {
    record("InitExit", {number(mode)});
}

} // namespace qv::platform::fake
