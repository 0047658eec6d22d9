#include "common/gif_lzw_decoder.h"

#include <array>
#include <cstring>
#include <vector>

namespace qv::common {

namespace {

constexpr int kDescriptorSize = 10;
constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeWidth = 12;
constexpr int kMaxCodeSize = 8;

// The image data's sub-blocks read as one run of bytes, least significant bit first, in place.
class CodeReader {
public:
    CodeReader(QByteArrayView block, qsizetype from) : block_(block), at_(from) {}

    // The next code of `width` bits, or -1 when the data has run out.
    int next(int width) {
        while (bits_ < width) {
            if (left_ == 0) {
                // A sub-block's length byte; 0 is the terminator.
                if (at_ >= block_.size() || block_[at_] == 0) {
                    return -1;
                }
                left_ = static_cast<std::uint8_t>(block_[at_++]);
            }
            if (at_ >= block_.size()) {
                return -1;
            }
            accumulator_ |= std::uint64_t{static_cast<std::uint8_t>(block_[at_++])} << bits_;
            bits_ += 8;
            --left_;
        }
        const int code = static_cast<int>(accumulator_ & ((1U << width) - 1));
        accumulator_ >>= width;
        bits_ -= width;
        return code;
    }

private:
    QByteArrayView block_;
    qsizetype at_;
    int left_ = 0;
    std::uint64_t accumulator_ = 0;
    int bits_ = 0;
};

// The string table. A code's string is its prefix's string plus one byte, which is exactly what
// the output holds where the prefix was written: so each code keeps where its string starts in
// the output and its length, and is decoded by copying those bytes forward.
struct StringTable {
    std::array<std::size_t, kMaxCodes> start;
    std::array<std::uint16_t, kMaxCodes> length;
};

// Decodes into `out`, `total` bytes already zero, until the image is full or the data ends.
void decodeCodes(CodeReader& reader, int minCodeSize, std::uint8_t* out, std::size_t total) {
    static thread_local StringTable table;
    const int clear = 1 << minCodeSize;
    const int endOfInformation = clear + 1;
    int width = minCodeSize + 1;
    int nextCode = clear + 2;
    int previous = -1;
    std::size_t previousStart = 0;
    std::size_t pos = 0;
    while (pos < total) {
        const int code = reader.next(width);
        if (code < 0 || code == endOfInformation) {
            return;
        }
        if (code == clear) {
            width = minCodeSize + 1;
            nextCode = clear + 2;
            previous = -1;
            continue;
        }
        if (previous < 0 && code > clear) {
            return;
        }
        if (previous >= 0) {
            if (code > nextCode || (code == nextCode && nextCode >= kMaxCodes)) {
                return;
            }
            if (nextCode < kMaxCodes) {
                // The previous string and the first byte of this one, which follows it.
                const auto added = static_cast<std::size_t>(nextCode);
                table.start[added] = previousStart;
                table.length[added] = static_cast<std::uint16_t>(
                    (previous < clear ? 1 : table.length[static_cast<std::size_t>(previous)]) + 1);
                ++nextCode;
                if (nextCode == (1 << width) && width < kMaxCodeWidth) {
                    ++width;
                }
            }
        }
        previousStart = pos;
        previous = code;
        if (code < clear) {
            out[pos++] = static_cast<std::uint8_t>(code);
            continue;
        }
        // What falls past the image is dropped. A code added just now overlaps its own
        // output by one byte, so the copy runs forward a byte at a time there.
        const auto c = static_cast<std::size_t>(code);
        const std::size_t from = table.start[c];
        const std::size_t count = std::min<std::size_t>(table.length[c], total - pos);
        if (from + count <= pos) {
            std::memcpy(out + pos, out + from, count);
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                out[pos + i] = out[from + i];
            }
        }
        pos += count;
    }
}

// For each row of the picture, where it comes among the decoded rows. An interlaced picture
// sends every eighth row from 0, then every eighth from 4, every fourth from 2 and every second
// from 1.
std::vector<int> decodedLineOfRow(int height, bool interlaced) {
    std::vector<int> lineOfRow(static_cast<std::size_t>(height));
    static constexpr std::array<int, 4> kPassStart{0, 4, 2, 1};
    static constexpr std::array<int, 4> kPassStep{8, 8, 4, 2};
    int line = 0;
    for (std::size_t pass = 0; pass < (interlaced ? kPassStart.size() : 1U); ++pass) {
        const int step = interlaced ? kPassStep[pass] : 1;
        for (int row = interlaced ? kPassStart[pass] : 0; row < height; row += step) {
            lineOfRow[static_cast<std::size_t>(row)] = line++;
        }
    }
    return lineOfRow;
}

// Moves rows lying in decoded order to their places, one cycle of the permutation at a time with
// one row held aside.
void placeRows(std::uint8_t* rows, std::size_t width, const std::vector<int>& lineOfRow) {
    const auto rowAt = [&](std::size_t index) {
        return rows + index * width;
    };
    std::vector<bool> placed(lineOfRow.size());
    std::vector<std::uint8_t> held(width);
    for (std::size_t start = 0; start < lineOfRow.size(); ++start) {
        if (placed[start]) {
            continue;
        }
        std::memcpy(held.data(), rowAt(start), width);
        std::size_t at = start;
        for (auto from = static_cast<std::size_t>(lineOfRow[at]); from != start;
             from = static_cast<std::size_t>(lineOfRow[at])) {
            std::memcpy(rowAt(at), rowAt(from), width);
            placed[at] = true;
            at = from;
        }
        std::memcpy(rowAt(at), held.data(), width);
        placed[at] = true;
    }
}

} // namespace

bool DecodeGifImage(QByteArrayView block, std::uint8_t* dest, qsizetype stride) {
    if (block.size() < kDescriptorSize + 1) {
        return false;
    }
    const auto byteAt = [&](qsizetype i) {
        return static_cast<std::uint8_t>(block[i]);
    };
    const int width = byteAt(5) | (byteAt(6) << 8);
    const int height = byteAt(7) | (byteAt(8) << 8);
    const std::uint8_t flags = byteAt(9);
    qsizetype at = kDescriptorSize;
    if ((flags & 0x80U) != 0) {
        at += 3 * (qsizetype{2} << (flags & 7U));
    }
    if (at >= block.size()) {
        return false;
    }
    const int minCodeSize = byteAt(at);
    if (minCodeSize < 1 || minCodeSize > kMaxCodeSize) {
        return false;
    }
    if (width == 0 || height == 0) {
        return true;
    }
    const auto total = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const auto rowBytes = static_cast<std::size_t>(width);
    CodeReader reader(block, at + 1);
    const bool interlaced = (flags & 0x40U) != 0;
    if (stride == width) {
        // The picture's own rows hold the decoding, then are put in order: no other buffer.
        std::memset(dest, 0, total);
        decodeCodes(reader, minCodeSize, dest, total);
        if (interlaced) {
            placeRows(dest, rowBytes, decodedLineOfRow(height, true));
        }
        return true;
    }
    static thread_local std::vector<std::uint8_t> pixels;
    pixels.assign(total, 0);
    decodeCodes(reader, minCodeSize, pixels.data(), total);
    const std::vector<int> lineOfRow = decodedLineOfRow(height, interlaced);
    for (int row = 0; row < height; ++row) {
        std::memcpy(dest + row * stride,
                    pixels.data() +
                        static_cast<std::size_t>(lineOfRow[static_cast<std::size_t>(row)]) *
                            rowBytes,
                    rowBytes);
    }
    return true;
}

} // namespace qv::common
