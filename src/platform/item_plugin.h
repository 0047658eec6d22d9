#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::platform {

/// The version of `ItemPlugin` this program speaks; a library built for another refuses it.
inline constexpr int kItemPluginVersion = 1;

/// Where the chests of the end-of-hand show stand and how they look, in the table window's units.
struct ChestLayout {
    /// Left and top of the 15 chest images: images 0 to 4 the first group, 5 to 9 the second,
    /// 10 to 14 the third.
    std::array<std::array<std::int32_t, 2>, 15> Prop_BaoPos{};
    /// The point on which an opened chest is centred.
    std::array<std::int32_t, 2> Prop_BaoCentre{};
    /// For screen seat s: left (s) and top (s + 4) where its open chest ends.
    std::array<std::int32_t, 8> Prop_BaoSeatDest{};
    /// Horizontal centre and top of the text label.
    std::array<std::int32_t, 2> Prop_BaoLabelAt{};
    /// Timer interval in ms and number of steps of the opening show.
    std::array<std::int16_t, 2> Prop_BaoAnim{};
    /// PNG bytes of the closed chest.
    std::vector<std::uint8_t> Prop_BaoPicClosed;
    std::array<std::int32_t, 2> Prop_BaoClosedSize{};
    /// PNG bytes of the open chest.
    std::vector<std::uint8_t> Prop_BaoPicOpen;
    std::array<std::int32_t, 2> Prop_BaoOpenSize{};

    friend bool operator==(const ChestLayout&, const ChestLayout&) = default;
};

/// The plug-in's result of a hand, per screen seat: the items won (joined by "|"), the gold won,
/// and the texts (t, s) with text 0 the name shown and text 1 the items.
using ScoreItems = std::array<std::string, 4>;
using ScoreGold = std::array<double, 4>;
using ScoreTexts = std::array<std::array<std::string, 4>, 2>;

/// The item plug-in, an object made by a library outside this program. Texts are UTF-8; what a
/// method fills is passed by reference. No exception leaves a method: a library that lets one
/// out breaks this contract, and the host reports it as `PluginFault`.
class ItemPlugin {
public:
    virtual ~ItemPlugin() = default;

    virtual bool Initdll(const std::string& userName, const std::string& credential,
                         const std::string& kind, std::int32_t window, const std::string& key,
                         std::int16_t scaleMode, std::int16_t field15) = 0;
    virtual bool GetBaoInfo(ChestLayout& layout) = 0;
    virtual bool SetUserinfo(const std::string& account, const std::string& nickname,
                             std::uint8_t seatMask, std::int16_t screenSeat, bool flag,
                             std::uint8_t sex, const std::string& text,
                             const std::string& faceCode) = 0;
    virtual void ClearUser(std::int16_t screenSeat) = 0;
    virtual void Rec_MSG(const std::vector<std::uint8_t>& message) = 0;
    virtual void InitShowEnd() = 0;
    /// 1 when the three hold the hand's result.
    virtual std::int16_t GetScoreInfo(ScoreItems& items, ScoreGold& gold, ScoreTexts& texts) = 0;
    virtual void InitShowNext(bool newHand) = 0;
    /// The number of actions waiting.
    virtual std::int16_t CheckSendBuff() = 0;
    /// Takes the next action out of the queue: a PNG picture, a text, a whole message for the
    /// server, the type (0 text, 1 tip, 2 message, 3 click a head picture, 4 key, 5 hover a head
    /// picture; left as given when there is none), a tip's width, height, left and top, and its
    /// timer interval in ms, ticks shown, font size, colour (red in the low byte) and alignment.
    virtual void GetSendBuff(std::vector<std::uint8_t>& picture, std::string& text,
                             std::vector<std::uint8_t>& frame, std::int16_t& type,
                             std::vector<std::int32_t>& rect, std::vector<std::int32_t>& attr) = 0;
    virtual void ShowGif(std::int16_t which, bool on) = 0;
    /// Mode 1: sound setting; mode 2: `value` switched off, `panel`; mode 3: connection up.
    virtual void rec_state(std::int16_t mode, bool value, std::int16_t panel) = 0;
    virtual bool ShowVmVideo(std::int16_t panel, bool show, std::int16_t zero) = 0;
    /// 112 to 117 are F1 to F6.
    virtual void SetKeyDown(std::int16_t keyCode) = 0;
    virtual void setbankstate(std::int16_t state) = 0;
    virtual void FixBuffPos() = 0;
    virtual void UpdataMyProp(bool update) = 0;
    /// Mode 1 at program end, else 0.
    virtual void InitExit(std::int16_t mode) = 0;
};

} // namespace qv::platform

extern "C" {
/// The library's factory: a new object, or null when it does not speak `version`.
using ItemPluginCreate = qv::platform::ItemPlugin* (*)(int version);
/// Destroys an object the factory made.
using ItemPluginDestroy = void (*)(qv::platform::ItemPlugin* object);
}
