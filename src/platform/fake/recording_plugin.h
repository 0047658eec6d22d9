#pragma once

#include "platform/item_plugin.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qv::platform::fake {

/// An action as the plug-in queues it.
struct ScriptedAction {
    std::int16_t type = -1;
    std::string text{};
    std::vector<std::uint8_t> frame{};
    std::vector<std::int32_t> rect{};
    std::vector<std::int32_t> attr{};
};

/// How the recording plug-in answers: set by a test, or read from script text.
struct PluginScript {
    bool initdll = true;
    bool chests = false;
    ChestLayout layout;
    bool userinfo = true;
    bool showVideo = false;
    /// What `GetScoreInfo` answers, in turn; the last answer repeats.
    std::vector<std::int16_t> scoreAnswers{1};
    ScoreItems items;
    ScoreGold gold{};
    ScoreTexts texts;
    std::deque<ScriptedAction> actions;
    /// Actions queued when a message of the command arrives.
    std::map<int, std::vector<ScriptedAction>> onMessage;
    /// Methods that throw, breaking the contract.
    std::set<std::string> throwing;
};

/// Reads script text, one instruction a line (see `tools/brivet/README.md`); unknown lines are
/// skipped. Returns the script built on `script`.
PluginScript ReadPluginScript(const std::string& text, PluginScript script = {});

/// A 272-byte message of `command`, its payload `fill`.
std::vector<std::uint8_t> PluginFrame(std::uint8_t command, std::uint8_t fill = 0);

/// An item plug-in that records every call and answers as its script says.
class RecordingPlugin final : public ItemPlugin {
public:
    struct Call {
        std::string method;
        std::vector<std::string> args;
    };

    PluginScript script;
    std::vector<Call> calls;
    /// Runs after each call is recorded, before it answers.
    std::function<void(const Call&)> onCall;
    /// Each line recorded is also handed here.
    std::function<void(const std::string& line)> log;

    [[nodiscard]] std::vector<Call> callsOf(const std::string& method) const;
    /// The calls' method names, in order.
    [[nodiscard]] std::vector<std::string> methods() const;

    bool Initdll(const std::string& userName, const std::string& credential,
                 const std::string& kind, std::int32_t window, const std::string& key,
                 std::int16_t scaleMode, std::int16_t field15) override;
    bool GetBaoInfo(ChestLayout& layout) override;
    bool SetUserinfo(const std::string& account, const std::string& nickname, std::uint8_t seatMask,
                     std::int16_t screenSeat, bool flag, std::uint8_t sex, const std::string& text,
                     const std::string& faceCode) override;
    void ClearUser(std::int16_t screenSeat) override;
    void Rec_MSG(const std::vector<std::uint8_t>& message) override;
    void InitShowEnd() override;
    std::int16_t GetScoreInfo(ScoreItems& items, ScoreGold& gold, ScoreTexts& texts) override;
    void InitShowNext(bool newHand) override;
    std::int16_t CheckSendBuff() override;
    void GetSendBuff(std::vector<std::uint8_t>& picture, std::string& text,
                     std::vector<std::uint8_t>& frame, std::int16_t& type,
                     std::vector<std::int32_t>& rect, std::vector<std::int32_t>& attr) override;
    void ShowGif(std::int16_t which, bool on) override;
    void rec_state(std::int16_t mode, bool value, std::int16_t panel) override;
    bool ShowVmVideo(std::int16_t panel, bool show, std::int16_t zero) override;
    void SetKeyDown(std::int16_t keyCode) override;
    void setbankstate(std::int16_t state) override;
    void FixBuffPos() override;
    void UpdataMyProp(bool update) override;
    void InitExit(std::int16_t mode) override;

private:
    void record(std::string method, std::vector<std::string> args);

    std::size_t scoreAsked_ = 0;
};

} // namespace qv::platform::fake
