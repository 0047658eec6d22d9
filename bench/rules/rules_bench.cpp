#include "dealt_cards.h"
#include "rules/can_beat.h"
#include "rules/classify_play.h"
#include "valid_plays.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <map>
#include <random>
#include <vector>

namespace qv::rules {
namespace {

constexpr int kSamples = 1024;

/// Random selections of one size in hand order from a seeded, shuffled double deck; with jokers
/// each holds one to four of them, without none.
std::vector<std::vector<CardCode>> randomSelections(int size, bool withJokers) {
    std::mt19937 rng(static_cast<unsigned>(size * 2 + (withJokers ? 1 : 0)));
    std::vector<std::vector<CardCode>> selections;
    for (int s = 0; s < kSamples; ++s) {
        const int jokerCount =
            withJokers ? std::uniform_int_distribution<int>(1, std::min(4, size))(rng) : 0;
        selections.push_back(dealtCards(rng, size, jokerCount));
    }
    return selections;
}

struct Play {
    std::vector<CardCode> cards;
    PlayType type = PlayNone;
};

std::vector<Play> classifiedSelections(int size, bool withJokers) {
    std::vector<Play> plays;
    RulesState state;
    for (std::vector<CardCode>& selection : randomSelections(size, withJokers)) {
        Play play{std::move(selection), PlayNone};
        play.type = ClassifyPlay(state, PlayNone, size, play.cards);
        plays.push_back(std::move(play));
    }
    return plays;
}

int acceptedCount(const std::vector<Play>& plays) {
    return static_cast<int>(std::count_if(plays.begin(), plays.end(),
                                          [](const Play& p) { return p.type != PlayNone; }));
}

/// ClassifyPlay on each selection in turn, in the caller's 27-card array; the copy into it is part
/// of each call.
void classifyInTurn(benchmark::State& state, int size,
                    const std::vector<std::vector<CardCode>>& selections) {
    RulesState rules;
    std::array<CardCode, 27> cards{};
    std::size_t next = 0;
    for (auto _ : state) {
        const std::vector<CardCode>& selection = selections[next];
        std::copy(selection.begin(), selection.end(), cards.begin());
        benchmark::DoNotOptimize(ClassifyPlay(rules, PlayNone, size, cards));
        next = (next + 1) % selections.size();
    }
}

void BM_ClassifyPlay(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    classifyInTurn(state, size, randomSelections(size, state.range(1) != 0));
    state.counters["accepted"] =
        static_cast<double>(acceptedCount(classifiedSelections(size, state.range(1) != 0))) /
        kSamples;
}

/// CanBeat of each classified random selection on the next one of the same size, as the play to
/// beat: mostly a free lead or another type, decided before any card is read.
void BM_CanBeatRandom(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto plays = classifiedSelections(size, state.range(1) != 0);
    std::size_t next = 0;
    for (auto _ : state) {
        const Play& own = plays[next];
        const Play& last = plays[(next + 1) % plays.size()];
        benchmark::DoNotOptimize(CanBeat(own.cards, size, own.type, last.cards, size, last.type));
        next = (next + 1) % plays.size();
    }
}

/// The play type whose comparison reads the most for a card count: runs and airplanes scan for
/// their lowest unit, the others read the first card. PlayNone where no play has that many cards.
PlayType keyedType(int size) {
    if (size % 5 == 0 && size >= 10 && size <= 25) {
        return PlayAirplane;
    }
    if (size % 3 == 0 && size >= 6) {
        return PlayTripleRun;
    }
    if (size % 2 == 0 && size >= 4 && size <= 26) {
        return PlayPairRun;
    }
    if (size >= 6 && size <= 13) {
        return PlayStraight;
    }
    if (size >= kMinBombCards && size <= kMaxBombCards) {
        return PlayBomb(size);
    }
    const PlayType small[] = {PlayNone, PlaySingle, PlayPair, PlayTriple};
    return size < 4 ? small[size] : PlayNone;
}

/// CanBeat of random selections of one size taken as plays of one type, so that both keys are
/// read every time (and for bombs of equal faces the suit flags).
void BM_CanBeatSameType(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const PlayType type = keyedType(size);
    const auto selections = randomSelections(size, state.range(1) != 0);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::vector<CardCode>& own = selections[next];
        const std::vector<CardCode>& last = selections[(next + 1) % selections.size()];
        benchmark::DoNotOptimize(CanBeat(own, size, type, last, size, type));
        next = (next + 1) % selections.size();
    }
}

void sizesAndJokers(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"cards", "jokers"});
    for (int size = 1; size <= 27; ++size) {
        for (int jokers : {0, 1}) {
            bench->Args({size, jokers});
        }
    }
}

/// Only the card counts that some play type has.
void playSizesAndJokers(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"cards", "jokers"});
    for (int size = 1; size <= 27; ++size) {
        for (int jokers : {0, 1}) {
            if (keyedType(size) != PlayNone) {
                bench->Args({size, jokers});
            }
        }
    }
}

/// The accepted plays of one size, made once per process.
const std::vector<std::vector<CardCode>>& validPlaysOf(int size, bool withJokers) {
    static std::map<std::pair<int, bool>, std::vector<std::vector<CardCode>>> made;
    auto found = made.find({size, withJokers});
    if (found == made.end()) {
        found =
            made.emplace(std::pair{size, withJokers}, bench::validPlays(size, withJokers, kSamples))
                .first;
    }
    return found->second;
}

/// ClassifyPlay on accepted plays, which read every card: the random selections above are mostly
/// refused after a few.
void BM_ClassifyValidPlay(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto& plays = validPlaysOf(size, state.range(1) != 0);
    classifyInTurn(state, size, plays);
    state.counters["plays"] = static_cast<double>(plays.size());
}

/// The card counts, with and without jokers, that some accepted play has.
void validSizesAndJokers(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"cards", "jokers"});
    for (int size = 1; size <= 27; ++size) {
        for (int jokers : {0, 1}) {
            if (!validPlaysOf(size, jokers != 0).empty()) {
                bench->Args({size, jokers});
            }
        }
    }
}

BENCHMARK(BM_ClassifyPlay)->Apply(sizesAndJokers);
BENCHMARK(BM_ClassifyValidPlay)->Apply(validSizesAndJokers);
BENCHMARK(BM_CanBeatRandom)->Apply(sizesAndJokers);
BENCHMARK(BM_CanBeatSameType)->Apply(playSizesAndJokers);

} // namespace
} // namespace qv::rules
