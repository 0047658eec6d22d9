#include "phrases.h"

#include "hand.h"

#include <array>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

constexpr std::uint32_t kRareOdds = 10;

const std::array<QString, 6> kPhrases = {
    u"大家好，很高兴见到各位！"_s, u"快点吧，我等到花儿都谢了！"_s, u"你的牌打得也太好了！"_s,
    u"和你合作真是太愉快了！"_s,   u"不要走，决战到天亮！"_s,       u"哈哈，这把牌真不错！"_s,
};

} // namespace

std::optional<PhraseChoice> phraseAfterTrick(PhraseMode mode, std::uint32_t& state) {
    if (mode == PhraseMode::Off ||
        (mode == PhraseMode::Rare && nextRandom(state) % kRareOdds != 0)) {
        return std::nullopt;
    }
    const auto seat = static_cast<int>(1 + nextRandom(state) % 3);
    const auto number = static_cast<int>(1 + nextRandom(state) % kPhrases.size());
    return PhraseChoice{seat, number};
}

QString phraseText(int number) {
    return kPhrases.at(static_cast<std::size_t>(number - 1));
}

} // namespace qv::tools::table
