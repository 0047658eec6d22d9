#include "common/gif_reader.h"

#include <algorithm>
#include <cctype>

namespace qv::common {

namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr int kGraphicControlSize = 4;

// A read past the end: the parse ends with the frames completed so far.
struct EndOfFile {};

// The read cursor over the file's bytes.
class GifCursor {
public:
    explicit GifCursor(QByteArrayView bytes) : bytes_(bytes) {}

    [[nodiscard]] qsizetype position() const { return pos_; }
    void seek(qsizetype pos) { pos_ = pos; }
    [[nodiscard]] qsizetype left() const { return bytes_.size() - pos_; }

    std::uint8_t ReadGifByte() {
        if (left() < 1) {
            throw EndOfFile{};
        }
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }

    std::int32_t ReadGifWord() {
        if (left() < 2) {
            throw EndOfFile{};
        }
        const auto low = static_cast<std::uint8_t>(bytes_[pos_]);
        const auto high = static_cast<std::uint8_t>(bytes_[pos_ + 1]);
        pos_ += 2;
        return low | (high << 8);
    }

    // The next n bytes as lower-case text; empty (and the cursor unmoved) when fewer are left.
    std::string ReadGifBytes(qsizetype n) {
        if (n > left()) {
            return {};
        }
        std::string text(static_cast<std::size_t>(n), '\0');
        std::transform(bytes_.begin() + pos_, bytes_.begin() + pos_ + n, text.begin(),
                       [](char c) { return static_cast<char>(std::tolower(c)); });
        pos_ += n;
        return text;
    }

    void SkipSubBlocks() {
        while (pos_ >= 0 && left() > 0 && bytes_[pos_] != 0) {
            pos_ += static_cast<std::uint8_t>(bytes_[pos_]) + 1;
        }
        ++pos_;
    }

    void ReadPalette(std::vector<GifPalette>& palettes, std::size_t slot, int sizeBits) {
        const int count = 1 << sizeBits;
        if (left() <= 3LL * count) {
            throw EndOfFile{};
        }
        if (palettes.size() <= slot) {
            palettes.resize(slot + 1, GifPalette{});
        }
        GifPalette& palette = palettes[slot];
        for (int i = 0; i < count; ++i) {
            const auto red = static_cast<std::uint8_t>(bytes_[pos_]);
            const auto green = static_cast<std::uint8_t>(bytes_[pos_ + 1]);
            const auto blue = static_cast<std::uint8_t>(bytes_[pos_ + 2]);
            palette[static_cast<std::size_t>(i)] = (red << 16U) | (green << 8U) | blue;
            pos_ += 3;
        }
        palette[kPaletteCount] = static_cast<std::uint32_t>(count);
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

class BlockWalker {
public:
    explicit BlockWalker(QByteArrayView gif) : cursor_(gif) {}

    // Fills `out`; false when the file is refused as a whole.
    bool walk(GifBlocks& out) {
        const std::string signature = cursor_.ReadGifBytes(6);
        if (signature != "gif89a" && signature != "gif87a") {
            return false;
        }
        cursor_.seek(10);
        const std::uint8_t flags = cursor_.ReadGifByte();
        cursor_.seek(13);
        if ((flags & 0x80U) != 0) {
            cursor_.ReadPalette(out.palettes, 0, (flags & 7) + 1);
            hasGlobalTable_ = true;
        }
        while (true) {
            const std::uint8_t b = cursor_.ReadGifByte();
            if (b == 0) {
                continue;
            }
            if (b == kExtension) {
                readExtension(out);
            } else if (b == kImageSeparator) {
                if (!readImage(out)) {
                    return false;
                }
            } else {
                return true;
            }
        }
    }

private:
    void readExtension(GifBlocks& out) {
        const qsizetype start = cursor_.position() - 1;
        const std::uint8_t label = cursor_.ReadGifByte();
        if (label == kApplicationLabel) {
            const std::uint8_t size = cursor_.ReadGifByte();
            if (cursor_.ReadGifBytes(size) == "netscape2.0") {
                if (cursor_.ReadGifByte() == 3) {
                    cursor_.ReadGifByte();
                    out.loops = cursor_.ReadGifWord();
                } else {
                    cursor_.seek(cursor_.position() - 1);
                }
            }
        } else if (label == kGraphicControlLabel) {
            pending_ = GifFrame{};
            const std::uint8_t size = cursor_.ReadGifByte();
            if (size >= kGraphicControlSize) {
                // A block too short to hold the fields is skipped like any other.
                pending_.DataStart = static_cast<std::int32_t>(start);
                const std::uint8_t f = cursor_.ReadGifByte();
                pending_.Disposal = static_cast<std::uint8_t>((f >> 2U) & 7U);
                if (pending_.Disposal > 3 || (pending_.Disposal == 3 && out.frames.empty())) {
                    pending_.Disposal = 0;
                }
                pending_.Delay = cursor_.ReadGifWord() * 10;
                pending_.Transparent = f & 1U;
                if (pending_.Transparent != 0) {
                    pending_.TransparentIndex = cursor_.ReadGifByte();
                }
                cursor_.seek(start + 3 + size);
            } else {
                cursor_.seek(start + 2);
            }
        }
        cursor_.SkipSubBlocks();
    }

    bool readImage(GifBlocks& out) {
        FrameBlock block{.Length = 0,
                         .ImageStart = static_cast<std::int32_t>(cursor_.position() - 1)};
        if (pending_.DataStart == 0) {
            pending_.DataStart = block.ImageStart;
        }
        pending_.Left = cursor_.ReadGifWord();
        pending_.Top = cursor_.ReadGifWord();
        pending_.Width = cursor_.ReadGifWord();
        pending_.Height = cursor_.ReadGifWord();
        const std::uint8_t g = cursor_.ReadGifByte();
        if ((g & 0x80U) != 0) {
            ++localTables_;
            pending_.Palette = localTables_;
            cursor_.ReadPalette(out.palettes, static_cast<std::size_t>(localTables_), (g & 7) + 1);
        } else if (!hasGlobalTable_) {
            return false;
        }
        cursor_.ReadGifByte();
        cursor_.SkipSubBlocks();
        if (cursor_.left() < 0) {
            // The data's terminator was never reached: the frame was cut, and ends the file.
            throw EndOfFile{};
        }
        block.Length = static_cast<std::int32_t>(cursor_.position() - block.ImageStart);
        if (block.Length >= 3) {
            out.frames.push_back(pending_);
            out.blocks.push_back(block);
            out.canvasWidth = std::max(out.canvasWidth, pending_.Left + pending_.Width);
            out.canvasHeight = std::max(out.canvasHeight, pending_.Top + pending_.Height);
        }
        pending_ = GifFrame{};
        return true;
    }

    GifCursor cursor_;
    GifFrame pending_;
    bool hasGlobalTable_ = false;
    std::int32_t localTables_ = 0;
};

bool withinCaps(const GifBlocks& gif) {
    std::int64_t stripWidth = 0;
    std::int64_t stripHeight = 0;
    for (const GifFrame& frame : gif.frames) {
        stripWidth += frame.Width;
        stripHeight = std::max<std::int64_t>(stripHeight, frame.Height);
    }
    return std::int64_t{gif.canvasWidth} * gif.canvasHeight <= kMaxCanvasPixels &&
           stripWidth * stripHeight <= kMaxStripPixels;
}

} // namespace

GifBlocks ParseGifBlocks(QByteArrayView gif) {
    GifBlocks out;
    BlockWalker walker(gif);
    bool accepted = true;
    try {
        accepted = walker.walk(out);
    } catch (const EndOfFile&) {
        // A truncated file keeps the frames completed before the cut.
    }
    if (!accepted || out.frames.empty() || !withinCaps(out)) {
        return GifBlocks{};
    }
    return out;
}

} // namespace qv::common
