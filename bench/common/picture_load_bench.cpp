#include "common/palette_image.h"
#include "common/picture_resources.h"
#include "common/picture_tables.h"
#include "forms/forms.h"
#include "platform/fake/fake_time_service.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using qv::common::LoadGifRes;

struct Target {
    void setPicture(const QImage& p) { picture = p; }
    QImage picture;
};

/// The resource ids of a picture table, the empty entries left out.
template <std::size_t N>
std::vector<std::int16_t> idsOf(const std::array<QString, N>& table) {
    std::vector<std::int16_t> ids;
    for (const QString& id : table) {
        if (!id.isEmpty()) {
            ids.push_back(static_cast<std::int16_t>(id.toInt()));
        }
    }
    return ids;
}

qv::common::ImageResource tables() {
    qv::common::ImageResource t;
    qv::common::InitImageResTables(t, 1.0F);
    return t;
}

/// The 54 played faces: the 52 cards and the two jokers, without the card back.
std::vector<std::int16_t> playedFaces() {
    auto t = tables();
    t.CardPicRes[18].clear();
    return idsOf(t.CardPicRes);
}

std::vector<std::int16_t> handFaces() {
    return idsOf(tables().HandPicRes);
}

const std::vector<std::int16_t>& facesOf(const benchmark::State& state) {
    static const std::vector<std::int16_t> played = playedFaces();
    static const std::vector<std::int16_t> hand = handFaces();
    return state.range(0) == 0 ? played : hand;
}

void faceSets(benchmark::internal::Benchmark* bench) {
    bench->ArgName("hand")->Arg(0)->Arg(1);
}

/// Time per face.
benchmark::Counter perFace(std::size_t faces) {
    return benchmark::Counter(static_cast<double>(faces),
                              benchmark::Counter::kIsIterationInvariantRate |
                                  benchmark::Counter::kInvert);
}

// The first load of every face in the process, the decode included: once, as the table pays it.
void BM_FirstLoadOfEachFace(benchmark::State& state) {
    const std::vector<std::int16_t>& faces = facesOf(state);
    Target img;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const std::int16_t id : faces) {
            benchmark::DoNotOptimize(LoadGifRes(id, u"GIF"_s, img));
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["per_face"] = perFace(faces.size());
}
BENCHMARK(BM_FirstLoadOfEachFace)
    ->Apply(faceSets)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// What a first load costs, again and again: the stored bytes decoded into a palette image.
void BM_DecodeEachFace(benchmark::State& state) {
    std::vector<QByteArray> bytes;
    for (const std::int16_t id : facesOf(state)) {
        bytes.push_back(*qv::common::PictureResourceBytes(id, u"GIF"_s));
    }
    for (auto _ : state) {
        for (const QByteArray& face : bytes) {
            benchmark::DoNotOptimize(qv::common::toPaletteImage(QImage::fromData(face, "GIF")));
        }
    }
    state.counters["per_face"] = perFace(bytes.size());
}
BENCHMARK(BM_DecodeEachFace)->Apply(faceSets)->Unit(benchmark::kMicrosecond);

// Every face from the store after its first load.
void BM_CachedEachFace(benchmark::State& state) {
    const std::vector<std::int16_t>& faces = facesOf(state);
    Target img;
    for (auto _ : state) {
        for (const std::int16_t id : faces) {
            benchmark::DoNotOptimize(LoadGifRes(id, u"GIF"_s, img));
        }
    }
    state.counters["per_face"] = perFace(faces.size());
}
BENCHMARK(BM_CachedEachFace)->Apply(faceSets)->Unit(benchmark::kMicrosecond);

// The same into a card image of a form, as the table shows a hand.
void BM_CachedEachFaceIntoACardImage(benchmark::State& state) {
    class Table : public qv::forms::Form {
    public:
        explicit Table(qv::forms::FormHost& host) : Form(host, u"Table"_s) {}
        qv::forms::Image card{*this, u"cardImage0"_s};
    };
    qv::platform::fake::FakeTimeService time;
    qv::forms::FormHost host{time};
    Table& table = host.get<Table>();
    const std::vector<std::int16_t>& faces = facesOf(state);
    for (auto _ : state) {
        for (const std::int16_t id : faces) {
            benchmark::DoNotOptimize(LoadGifRes(id, u"GIF"_s, table.card));
        }
    }
    state.counters["per_face"] = perFace(faces.size());
}
BENCHMARK(BM_CachedEachFaceIntoACardImage)->Apply(faceSets)->Unit(benchmark::kMicrosecond);

// A played card face: the most frequent load (27 of them when a hand is dealt).
void loadCardFace(benchmark::State& state) {
    Target img;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadGifRes(303, u"GIF"_s, img));
    }
}
BENCHMARK(loadCardFace);

// An own-hand face, slightly larger.
void loadHandCard(benchmark::State& state) {
    Target img;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadGifRes(35, u"GIF"_s, img));
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
