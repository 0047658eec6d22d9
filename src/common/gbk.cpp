#include "common/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace qv {

namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

/// One iconv conversion direction; converts whole buffers, stopping at the first bad sequence.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    /// Converts as much of `in` as is valid from `pos` on, appending to `out`; returns false when
    /// it stopped at an invalid or incomplete sequence (then `pos` is where it stopped).
    bool convert(const QByteArray& in, qsizetype& pos, QByteArray& out) {
        if (!valid()) {
            return false;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.constData()) + pos;
        std::size_t inLeft = static_cast<std::size_t>(in.size() - pos);
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                pos = inPtr - in.constData();
                return false;
            }
        }
        pos = in.size();
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

std::optional<QByteArray> toGbk(const QString& text) {
    // UTF-8 has no form for a lone surrogate (toUtf8 would make it '?'): report it here.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return std::nullopt;
        }
    }
    Converter converter("GBK", "UTF-8");
    QByteArray out;
    qsizetype pos = 0;
    if (!converter.convert(text.toUtf8(), pos, out)) {
        return std::nullopt;
    }
    return out;
}

std::optional<QByteArray> gb18030ToUtf8(const QByteArray& bytes) {
    Converter converter("UTF-8", "GB18030");
    QByteArray out;
    qsizetype pos = 0;
    if (!converter.convert(bytes, pos, out)) {
        return std::nullopt;
    }
    return out;
}

std::optional<QString> fromGbk(const QByteArray& bytes) {
    Converter converter("UTF-8", "GBK");
    QByteArray out;
    qsizetype pos = 0;
    if (!converter.convert(bytes, pos, out)) {
        return std::nullopt;
    }
    return QString::fromUtf8(out);
}

QString fromGbkLenient(const QByteArray& bytes) {
    Converter converter("UTF-8", "GBK");
    QByteArray out;
    qsizetype pos = 0;
    while (!converter.convert(bytes, pos, out)) {
        if (!converter.valid()) {
            return {};
        }
        out.append(kReplacementUtf8);
        ++pos;
    }
    return QString::fromUtf8(out);
}

QByteArray toAnsi(const QString& text) {
    Converter converter("GBK", "UTF-8");
    QByteArray out;
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            out.append(static_cast<char>(ch.unicode()));
            continue;
        }
        qsizetype pos = 0;
        QByteArray one;
        if (ch.isSurrogate() || !converter.convert(QString(ch).toUtf8(), pos, one)) {
            one = QByteArrayLiteral("?");
        }
        out += one;
    }
    return out;
}

int ansiCode(QChar ch) {
    const QByteArray bytes = toAnsi(QString(ch));
    if (bytes.size() == 1) {
        return static_cast<unsigned char>(bytes[0]);
    }
    return static_cast<unsigned char>(bytes[0]) * 256 + static_cast<unsigned char>(bytes[1]);
}

int gbkCharLength(const QByteArray& bytes, qsizetype pos) {
    const auto byteAt = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const bool lead = byteAt(pos) >= 0x81 && byteAt(pos) <= 0xFE;
    const bool trail = pos + 1 < bytes.size() && byteAt(pos + 1) >= 0x40 &&
                       byteAt(pos + 1) <= 0xFE && byteAt(pos + 1) != 0x7F;
    return lead && trail ? 2 : 1;
}

} // namespace qv
