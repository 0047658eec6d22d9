#include "controls/gif/gif_lzw_encoder.h"

#include <array>
#include <cstdint>

namespace qv::controls {

namespace {

constexpr int kHashSize = 5003;
constexpr int kHashShift = 4;
constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kFirstFree = 258;
constexpr int kStartWidth = 9;
constexpr int kMaxCodes = 4096;
constexpr int kPacketData = 254;

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first into data sub-blocks.
class CodePacker {
public:
    explicit CodePacker(QByteArray& out) : out_(out) {}

    void PutGifCode(int code, int width) {
        accumulator_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            putByte(static_cast<std::uint8_t>(accumulator_ & 0xFFU));
            accumulator_ >>= 8U;
            bits_ -= 8;
        }
    }

    void flush() {
        if (bits_ > 0) {
            packet_[fill_++] = static_cast<std::uint8_t>(accumulator_ & 0xFFU);
            accumulator_ = 0;
            bits_ = 0;
        }
        if (fill_ > 1) {
            packet_[0] = static_cast<std::uint8_t>(fill_ - 1);
            out_.append(reinterpret_cast<const char*>(packet_.data()),
                        static_cast<qsizetype>(fill_));
            fill_ = 1;
        }
    }

private:
    void putByte(std::uint8_t byte) {
        packet_[fill_] = byte;
        if (fill_ == kPacketData) {
            packet_[0] = kPacketData;
            out_.append(reinterpret_cast<const char*>(packet_.data()), kPacketData + 1);
            fill_ = 0;
        }
        ++fill_;
    }

    QByteArray& out_;
    std::array<std::uint8_t, kPacketData + 1> packet_{};
    std::size_t fill_ = 1;
    std::uint32_t accumulator_ = 0;
    int bits_ = 0;
};

// The classic hashed compressor: open addressing over a prime-sized table with secondary probing.
class Compressor {
public:
    explicit Compressor(CodePacker& packer) : packer_(packer) { resetTable(); }

    void compress(const QImage& strip, const common::GifFrame& frame) {
        packer_.PutGifCode(kClearCode, width_);
        int ent = -1;
        for (int y = 0; y < frame.Height; ++y) {
            const std::uint8_t* line = strip.constScanLine(y) + frame.DataStart;
            for (int x = 0; x < frame.Width; ++x) {
                const int c = line[x];
                if (ent < 0) {
                    ent = c;
                    continue;
                }
                ent = add(ent, c);
            }
        }
        packer_.PutGifCode(ent, width_);
        packer_.PutGifCode(kEndCode, width_);
        packer_.flush();
    }

private:
    void resetTable() {
        hash_.fill(-1);
        width_ = kStartWidth;
        maxCode_ = (1 << width_) - 1;
        freeCode_ = kFirstFree;
    }

    // The prefix after pixel `c` follows prefix `ent`.
    int add(int ent, int c) {
        const int key = (c << 12) + ent;
        int i = (c << kHashShift) ^ ent;
        if (hash_[static_cast<std::size_t>(i)] == key) {
            return codes_[static_cast<std::size_t>(i)];
        }
        if (hash_[static_cast<std::size_t>(i)] >= 0) {
            const int step = i == 0 ? 1 : kHashSize - i;
            do {
                i -= step;
                if (i < 0) {
                    i += kHashSize;
                }
                if (hash_[static_cast<std::size_t>(i)] == key) {
                    return codes_[static_cast<std::size_t>(i)];
                }
            } while (hash_[static_cast<std::size_t>(i)] > 0);
        }
        packer_.PutGifCode(ent, width_);
        codes_[static_cast<std::size_t>(i)] = freeCode_;
        hash_[static_cast<std::size_t>(i)] = key;
        if (freeCode_ > maxCode_) {
            if (freeCode_ == kMaxCodes) {
                packer_.PutGifCode(kClearCode, width_);
                resetTable();
                return c;
            }
            ++width_;
            maxCode_ = (1 << width_) - 1;
        }
        ++freeCode_;
        return c;
    }

    CodePacker& packer_;
    std::array<int, kHashSize> hash_{};
    std::array<int, kHashSize> codes_{};
    int width_ = kStartWidth;
    int maxCode_ = 0;
    int freeCode_ = kFirstFree;
};

} // namespace

QByteArray EncodeFrameGif(const QImage& strip, const common::GifFrame& frame,
                          const common::GifPalette& palette) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(frame.Width) * frame.Height + 801);
    out.append("GIF89a");
    putWord(out, frame.Width);
    putWord(out, frame.Height);
    out.append('\x87');
    out.append(2, '\0');
    const std::uint32_t count = palette[common::kPaletteCount];
    for (std::uint32_t i = 0; i < common::kPaletteCount; ++i) {
        const std::uint32_t colour = i < count ? palette[i] : 0;
        out.append(static_cast<char>((colour >> 16U) & 0xFFU));
        out.append(static_cast<char>((colour >> 8U) & 0xFFU));
        out.append(static_cast<char>(colour & 0xFFU));
    }
    if (frame.Transparent != 0) {
        out.append("\x21\xF9\x04\x01\x00\x00", 6);
        out.append(static_cast<char>(frame.TransparentIndex));
        out.append('\0');
    }
    out.append('\x2C');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, frame.Width);
    putWord(out, frame.Height);
    out.append('\0');
    out.append(static_cast<char>(kMinCodeSize));
    if (frame.Width > 0 && frame.Height > 0) {
        CodePacker packer(out);
        Compressor(packer).compress(strip, frame);
    }
    out.append('\0');
    out.append('\x3B');
    return out;
}

} // namespace qv::controls
