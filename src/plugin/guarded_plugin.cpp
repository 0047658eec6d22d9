#include "plugin/guarded_plugin.h"

#include "forms/runtime_error.h"

#include <string>

namespace qv::plugin {
namespace {

/// The automation error of the platform, which a failing component raised.
constexpr int kAutomationError = 440;

template <class Call>
auto guarded(const char* method, Call call) -> decltype(call()) {
    try {
        return call();
    } catch (...) {
        throw forms::RuntimeError(kAutomationError,
                                  std::string("item plug-in failed in ") + method);
    }
}

class GuardedPlugin final : public platform::ItemPlugin {
public:
    explicit GuardedPlugin(std::shared_ptr<platform::ItemPlugin> object)
        : object_(std::move(object)) {}

    bool Initdll(const std::string& userName, const std::string& credential,
                 const std::string& kind, std::int32_t window, const std::string& key,
                 std::int16_t scaleMode, std::int16_t field15) override {
        return guarded("Initdll", [&] {
            return object_->Initdll(userName, credential, kind, window, key, scaleMode, field15);
        });
    }
    bool GetBaoInfo(platform::ChestLayout& layout) override {
        return guarded("GetBaoInfo", [&] { return object_->GetBaoInfo(layout); });
    }
    bool SetUserinfo(const std::string& account, const std::string& nickname, std::uint8_t seatMask,
                     std::int16_t screenSeat, bool flag, std::uint8_t sex, const std::string& text,
                     const std::string& faceCode) override {
        return guarded("SetUserinfo", [&] {
            return object_->SetUserinfo(account, nickname, seatMask, screenSeat, flag, sex, text,
                                        faceCode);
        });
    }
    void ClearUser(std::int16_t screenSeat) override {
        return guarded("ClearUser", [&] { return object_->ClearUser(screenSeat); });
    }
    void Rec_MSG(const std::vector<std::uint8_t>& message) override {
        return guarded("Rec_MSG", [&] { return object_->Rec_MSG(message); });
    }
    void InitShowEnd() override {
        return guarded("InitShowEnd", [&] { return object_->InitShowEnd(); });
    }
    std::int16_t GetScoreInfo(platform::ScoreItems& items, platform::ScoreGold& gold,
                              platform::ScoreTexts& texts) override {
        return guarded("GetScoreInfo", [&] { return object_->GetScoreInfo(items, gold, texts); });
    }
    void InitShowNext(bool newHand) override {
        return guarded("InitShowNext", [&] { return object_->InitShowNext(newHand); });
    }
    std::int16_t CheckSendBuff() override {
        return guarded("CheckSendBuff", [&] { return object_->CheckSendBuff(); });
    }
    void GetSendBuff(std::vector<std::uint8_t>& picture, std::string& text,
                     std::vector<std::uint8_t>& frame, std::int16_t& type,
                     std::vector<std::int32_t>& rect, std::vector<std::int32_t>& attr) override {
        return guarded("GetSendBuff", [&] {
            return object_->GetSendBuff(picture, text, frame, type, rect, attr);
        });
    }
    void ShowGif(std::int16_t which, bool on) override {
        return guarded("ShowGif", [&] { return object_->ShowGif(which, on); });
    }
    void rec_state(std::int16_t mode, bool value, std::int16_t panel) override {
        return guarded("rec_state", [&] { return object_->rec_state(mode, value, panel); });
    }
    bool ShowVmVideo(std::int16_t panel, bool show, std::int16_t zero) override {
        return guarded("ShowVmVideo", [&] { return object_->ShowVmVideo(panel, show, zero); });
    }
    void SetKeyDown(std::int16_t keyCode) override {
        return guarded("SetKeyDown", [&] { return object_->SetKeyDown(keyCode); });
    }
    void setbankstate(std::int16_t state) override {
        return guarded("setbankstate", [&] { return object_->setbankstate(state); });
    }
    void FixBuffPos() override {
        return guarded("FixBuffPos", [&] { return object_->FixBuffPos(); });
    }
    void UpdataMyProp(bool update) override {
        return guarded("UpdataMyProp", [&] { return object_->UpdataMyProp(update); });
    }
    void InitExit(std::int16_t mode) override {
        return guarded("InitExit", [&] { return object_->InitExit(mode); });
    }

private:
    std::shared_ptr<platform::ItemPlugin> object_;
};

} // namespace

std::shared_ptr<platform::ItemPlugin> GuardPlugin(std::shared_ptr<platform::ItemPlugin> object) {
    return std::make_shared<GuardedPlugin>(std::move(object));
}

} // namespace qv::plugin
