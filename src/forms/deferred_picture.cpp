#include "forms/deferred_picture.h"

#include <system_error>

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
        state_->reader.reset();
        // The pixels decide: a file whose header promised another size keeps what it holds.
        state_->size = state_->image.size();
    }
    return state_->image;
}

void DeferredPicture::prefetch() const {
    prefetchInTurn({*this});
}

void DeferredPicture::prefetchInTurn(const std::vector<DeferredPicture>& pictures) {
    struct Reading {
        Decoder decode;
        std::promise<QImage> read;
    };
    auto readings = std::make_shared<std::vector<Reading>>();
    std::vector<State*> waiting;
    for (const DeferredPicture& picture : pictures) {
        State* state = picture.state_.get();
        if (state == nullptr || !state->decode || state->reading.valid()) {
            continue;
        }
        readings->push_back({state->decode, {}});
        state->reading = readings->back().read.get_future();
        waiting.push_back(state);
    }
    if (waiting.empty()) {
        return;
    }
    std::shared_ptr<std::future<void>> reader;
    try {
        reader = std::make_shared<std::future<void>>(std::async(std::launch::async, [readings] {
            for (Reading& reading : *readings) {
                try {
                    reading.read.set_value(reading.decode());
                } catch (...) {
                    reading.read.set_exception(std::current_exception());
                }
            }
        }));
    } catch (const std::system_error&) {
        // No thread to read them on: each is read when first needed, as without reading ahead.
        for (State* state : waiting) {
            state->reading = {};
        }
        return;
    }
    for (State* state : waiting) {
        state->reader = reader;
    }
}

} // namespace qv::forms
