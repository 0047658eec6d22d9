#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <future>
#include <memory>
#include <vector>

namespace qv::forms {

/// A control's picture whose pixels are read only when something first needs them (the renderer
/// painting a shown control, or code reading the picture); its size is known before. Copies
/// share one reading, so a picture copied to a new array element is still decoded once. A picture
/// is used from one thread; only its decoder may run on another (`prefetch`, `prefetchInTurn`).
class DeferredPicture {
public:
    using Decoder = std::function<QImage()>;

    /// No picture.
    DeferredPicture() = default;
    /// A picture already in memory.
    explicit DeferredPicture(QImage picture);
    /// A picture of `size` pixels that `decode` reads when first needed.
    DeferredPicture(QSize size, Decoder decode);

    [[nodiscard]] bool isNull() const { return size().isEmpty(); }
    /// The size, without reading the pixels.
    [[nodiscard]] QSize size() const;
    /// The pixels, read now if they were not yet, or once the reading started ahead is over.
    [[nodiscard]] const QImage& image() const;
    /// Starts reading the pixels on a thread of their own, for a large picture that will soon be
    /// drawn: the decoder must be safe to run on any thread. Does nothing when the pixels have been
    /// read or are being read.
    void prefetch() const;
    /// Starts reading, on one thread and in their order, the pixels of those `pictures` not read
    /// nor being read: for pictures about to be drawn one after the other, so that the drawing
    /// finds each read or waits only for the one it needs next.
    static void prefetchInTurn(const std::vector<DeferredPicture>& pictures);
    /// Whether the pixels have been read (a picture given in memory always has).
    [[nodiscard]] bool decoded() const { return !state_ || !state_->decode; }

    /// The same picture: one of the other's copies.
    bool operator==(const DeferredPicture& other) const = default;

private:
    struct State {
        QSize size{};
        Decoder decode{};
        std::future<QImage> reading{};
        /// The thread reading this picture in turn with others, kept until its reading is taken.
        std::shared_ptr<std::future<void>> reader{};
        QImage image{};
    };
    std::shared_ptr<State> state_;
};

} // namespace qv::forms
