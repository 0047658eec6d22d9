#include "match/match_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Any bytes as the tournament configuration file: read or refused, never more.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::match::MatchState state;
    qv::match::ReadMatchConfig(
        state, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
