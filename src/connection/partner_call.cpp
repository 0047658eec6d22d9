#include "connection/partner_call.h"

namespace qv::connection {
namespace {

constexpr int kCallerByte = 8;
constexpr int kFaceByte = 12;
constexpr int kSuitByte = 13;

} // namespace

PartnerCall DecodePartnerCall(const GameMessage& msg) {
    return {msg.u8(kCallerByte), msg.u8(kFaceByte), msg.u8(kSuitByte)};
}

} // namespace qv::connection
