#include "common/picture_resources.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct Target {
    void setPicture(const QImage& p) { picture = p; }
    QImage picture;
};

// A played card face: the most frequent load (27 of them when a hand is dealt).
void loadCardFace(benchmark::State& state) {
    Target img;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::common::LoadGifRes(303, u"GIF"_s, img));
    }
}
BENCHMARK(loadCardFace);

// An own-hand face, slightly larger.
void loadHandCard(benchmark::State& state) {
    Target img;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::common::LoadGifRes(35, u"GIF"_s, img));
    }
}
BENCHMARK(loadHandCard);

// The 1024 x 768 table background: stored with the window design, decoded the same way.
void loadTableBackground(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::common::LoadDesignPicture(u"MainForm/Pic1.gif"_s));
    }
}
BENCHMARK(loadTableBackground)->Unit(benchmark::kMillisecond);

} // namespace
