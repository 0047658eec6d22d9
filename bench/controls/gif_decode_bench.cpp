#include "common/picture_resources.h"
#include "controls/gif/gif_animation.h"
#include "controls/gif/gif_lzw_encoder.h"

#include <QByteArray>
#include <QImage>

#include <benchmark/benchmark.h>
#include <cstring>
#include <gif_lib.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

using qv::controls::GifAnimation;

std::vector<QByteArray> emoticons() {
    std::vector<QByteArray> files;
    for (std::int16_t id = 668; id <= 685; ++id) {
        files.push_back(qv::common::PictureResourceBytes(id, u"GIF"_s).value_or(QByteArray()));
        files.back().detach();
    }
    return files;
}

// A 320 x 240 animation of 60 frames, shaded with some noise, written with our encoder: each
// one-frame file's image goes after one shared header and colour table.
QByteArray largeAnimation() {
    constexpr int kWidth = 320;
    constexpr int kHeight = 240;
    QImage strip(kWidth, kHeight, QImage::Format_Indexed8);
    qv::common::GifPalette palette{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        palette[i] = i * 0x010101U;
    }
    palette[qv::common::kPaletteCount] = 256;
    std::mt19937 random(5);
    QByteArray gif;
    for (int f = 0; f < 60; ++f) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                strip.scanLine(y)[x] =
                    static_cast<std::uint8_t>((x + y + 4 * f) / 4 + (random() % 8 == 0 ? 3 : 0));
            }
        }
        const QByteArray one = qv::controls::EncodeFrameGif(
            strip, qv::common::GifFrame{.Width = kWidth, .Height = kHeight, .Delay = 4}, palette);
        gif.append(f == 0 ? one.first(one.size() - 1) : one.sliced(781, one.size() - 782));
    }
    gif.append('\x3B');
    return gif;
}

std::int64_t framePixels(const QByteArray& gif) {
    std::int64_t pixels = 0;
    for (const auto& frame : qv::common::ParseGifBlocks(gif).frames) {
        pixels += std::int64_t{frame.Width} * frame.Height;
    }
    return pixels;
}

void buildAll(const QByteArray& gif) {
    GifAnimation animation;
    animation.setBlocks(qv::common::ParseGifBlocks(gif));
    animation.createBitmaps(false);
    for (int i = 1; i <= animation.frameCount(); ++i) {
        animation.buildFrame(i, gif);
    }
    benchmark::DoNotOptimize(animation.strip().constBits());
}

struct MemoryFile {
    const QByteArray* bytes;
    qsizetype at;
};

int readMemory(GifFileType* file, GifByteType* out, int length) {
    auto* source = static_cast<MemoryFile*>(file->UserData);
    const auto n =
        static_cast<int>(std::min<qsizetype>(length, source->bytes->size() - source->at));
    std::memcpy(out, source->bytes->constData() + source->at, static_cast<std::size_t>(n));
    source->at += n;
    return n;
}

void slurpWithGiflib(const QByteArray& gif) {
    MemoryFile source{&gif, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&source, readMemory, &error);
    if (file != nullptr) {
        DGifSlurp(file);
        benchmark::DoNotOptimize(file->SavedImages);
        DGifCloseFile(file, &error);
    }
}

template <class Decode>
void decodeFiles(benchmark::State& state, const std::vector<QByteArray>& files, Decode decode) {
    std::int64_t pixels = 0;
    for (const QByteArray& gif : files) {
        pixels += framePixels(gif);
    }
    for (auto _ : state) {
        for (const QByteArray& gif : files) {
            decode(gif);
        }
    }
    state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(pixels) *
                                                     static_cast<double>(state.iterations()) / 1e6,
                                                 benchmark::Counter::kIsRate);
}

void emoticonsOurs(benchmark::State& state) {
    decodeFiles(state, emoticons(), buildAll);
}
BENCHMARK(emoticonsOurs);

void emoticonsGiflib(benchmark::State& state) {
    decodeFiles(state, emoticons(), slurpWithGiflib);
}
BENCHMARK(emoticonsGiflib);

void largeOurs(benchmark::State& state) {
    decodeFiles(state, {largeAnimation()}, buildAll);
}
BENCHMARK(largeOurs)->Unit(benchmark::kMillisecond);

void largeGiflib(benchmark::State& state) {
    decodeFiles(state, {largeAnimation()}, slurpWithGiflib);
}
BENCHMARK(largeGiflib)->Unit(benchmark::kMillisecond);

// One frame step of an emoticon over a seat: compose and paint the next frame at 65 x 65.
void emoticonFrameStep(benchmark::State& state) {
    const QByteArray gif = emoticons().front();
    GifAnimation animation;
    animation.setBlocks(qv::common::ParseGifBlocks(gif));
    animation.createBitmaps(false);
    for (int i = 1; i <= animation.frameCount(); ++i) {
        animation.buildFrame(i, gif);
    }
    QImage surface(65, 65, QImage::Format_ARGB32);
    const float scale = 65.0F / static_cast<float>(animation.blocks().canvasWidth);
    int frame = 0;
    for (auto _ : state) {
        frame = frame % animation.frameCount() + 1;
        surface.fill(0);
        animation.PaintCurrentFrame(frame, surface, scale, scale);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(emoticonFrameStep);

} // namespace
