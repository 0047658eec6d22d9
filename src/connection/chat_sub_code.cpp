#include "connection/chat_sub_code.h"

namespace qv::connection {
namespace {

constexpr int kSubCodeByte = 236;
constexpr std::uint32_t kPluginSubCodeA = 260;
constexpr std::uint32_t kPluginSubCodeB = 272;
constexpr std::uint8_t kHighBit = 0x80;

} // namespace

std::uint32_t ChatSubCode(const GameMessage& msg) {
    const std::uint32_t whole = msg.u32be(kSubCodeByte);
    return msg.u8(kSubCodeByte) >= kHighBit ? (whole & 0x00FFFFFFU) : whole;
}

bool IsPluginSubCode(std::uint32_t subCode) {
    return subCode == kPluginSubCodeA || subCode == kPluginSubCodeB;
}

} // namespace qv::connection
