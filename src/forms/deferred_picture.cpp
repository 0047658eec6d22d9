#include "forms/deferred_picture.h"

namespace qv::forms {

DeferredPicture::DeferredPicture(QImage picture)
    : state_(std::make_shared<State>(State{.size = picture.size(), .image = std::move(picture)})) {}

DeferredPicture::DeferredPicture(QSize size, Decoder decode)
    : state_(std::make_shared<State>(State{.size = size, .decode = std::move(decode)})) {}

QSize DeferredPicture::size() const {
    return state_ ? state_->size : QSize();
}

const QImage& DeferredPicture::image() const {
    static const QImage kNone;
    if (!state_) {
        return kNone;
    }
    if (state_->decode) {
        state_->image = state_->reading.valid() ? state_->reading.get() : state_->decode();
        state_->decode = nullptr;
        // The pixels decide: a file whose header promised another size keeps what it holds.
        state_->size = state_->image.size();
    }
    return state_->image;
}

void DeferredPicture::prefetch() const {
    if (state_ && state_->decode && !state_->reading.valid()) {
        state_->reading = std::async(std::launch::async, state_->decode);
    }
}

} // namespace qv::forms
