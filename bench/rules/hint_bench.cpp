#include "dealt_cards.h"
#include "rules/classify_play.h"
#include "rules/prompt.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <vector>

namespace qv::rules {
namespace {

constexpr int kHands = 1024;
constexpr int kHandSize = 27;

/// Dealt hands holding 0 to 4 jokers in turn.
std::vector<std::vector<CardCode>> randomHands() {
    std::mt19937 rng(27);
    std::vector<std::vector<CardCode>> hands;
    for (int h = 0; h < kHands; ++h) {
        hands.push_back(dealtCards(rng, kHandSize, h % 5));
    }
    return hands;
}

struct LeadPlay {
    PlayType type = PlayNone;
    std::vector<CardCode> cards;
};

/// Each play type to beat at its lowest, so that the most answers are found and checked.
const LeadPlay& playToBeat(int index) {
    static const std::vector<LeadPlay> plays = [] {
        const std::vector<std::vector<int>> faces = {
            {3},
            {3, 3},
            {3, 3, 3},
            {4, 4, 3, 3},
            {4, 4, 4, 3, 3, 3},
            {4, 4, 4, 3, 3, 3, 6, 6, 5, 5},
            {8, 7, 6, 5, 4, 3},
            {3, 3, 3, 4, 4},
            {3, 3, 3, 3},
            {3, 3, 3, 3, 3},
        };
        std::vector<LeadPlay> result;
        for (const std::vector<int>& play : faces) {
            LeadPlay p;
            for (std::size_t i = 0; i < play.size(); ++i) {
                p.cards.push_back(makeCard(play[i], kSuitFlags[i % 4]));
            }
            sortHandOrder(p.cards);
            RulesState state;
            p.type = ClassifyPlay(state, PlayNone, static_cast<int>(p.cards.size()), p.cards);
            result.push_back(std::move(p));
        }
        return result;
    }();
    return plays[static_cast<std::size_t>(index)];
}

/// Times every call on its own and reports the mean and the 99th percentile in microseconds.
template <typename Call>
void timeEachCall(benchmark::State& state, Call call) {
    std::vector<double> micros;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        call(next);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        next = (next + 1) % kHands;
    }
    if (micros.empty()) {
        return;
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (double m : micros) {
        sum += m;
    }
    state.counters["mean_us"] = sum / static_cast<double>(micros.size());
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

void BM_PromptFollow(benchmark::State& state) {
    const auto hands = randomHands();
    const LeadPlay& last = playToBeat(static_cast<int>(state.range(0)));
    state.SetLabel("type " + std::to_string(last.type));
    HintState hints;
    long rows = 0;
    timeEachCall(state, [&](std::size_t h) {
        PromptFollow(hints, hands[h], last.type, static_cast<int>(last.cards.size()), last.cards);
        rows += hints.g_PromptCount;
    });
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void BM_PromptLead(benchmark::State& state) {
    const auto hands = randomHands();
    HintState hints;
    timeEachCall(state, [&](std::size_t h) {
        PromptLead(hints, hands[h]);
        benchmark::DoNotOptimize(hints.g_PromptCount);
    });
}

BENCHMARK(BM_PromptFollow)->DenseRange(0, 9)->ArgName("play");
BENCHMARK(BM_PromptLead);

} // namespace
} // namespace qv::rules
