#include "forms/form.h"

#include "forms/control.h"
#include "forms/form_host.h"
#include "forms/window_system.h"
#include "platform/time_service.h"

#include <utility>

namespace qv::forms {

namespace {
// How often a modal loop looks whether its form went away; events are delivered meanwhile.
constexpr int kModalSliceMs = 10;
} // namespace

Form::Form(FormHost& host, QString name) : Component(*this, std::move(name)), host_(&host) {}

Form::~Form() = default;

void Form::addDesign(Control& control, const ControlDesign& design) {
    design_.push_back({.control = &control, .design = design});
}

platform::TimeService& Form::time() const {
    return host_->time();
}

void Form::setCaption(const QString& caption) {
    assign(caption_, caption);
}

void Form::setLeft(double left) {
    move(left);
}
void Form::setTop(double top) {
    move(left_, top);
}
void Form::setWidth(double width) {
    move(left_, top_, width);
}
void Form::setHeight(double height) {
    move(left_, top_, width_, height);
}

void Form::move(double left, std::optional<double> top, std::optional<double> width,
                std::optional<double> height) {
    setGeometryTwips(left, top.value_or(top_), width.value_or(width_), height.value_or(height_));
}

void Form::setGeometryTwips(double left, double top, double width, double height) {
    const bool resized = width != width_ || height != height_;
    if (!resized && left == left_ && top == top_) {
        return;
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    fitDrawing();
    changed();
    if (resized) {
        raiseResize();
    }
}

QSizeF Form::innerPixelSize() const {
    return {twipsToPixels(width_), twipsToPixels(height_)};
}

void Form::setVisible(bool visible) {
    if (visible) {
        show();
    } else {
        hide();
    }
}

void Form::show(int modal, Form* owner) {
    owner_ = owner;
    modal_ = modal != 0;
    if (!visible_) {
        visible_ = true;
        changed();
        if (WindowSystem* windows = host_->windowSystem()) {
            windows->formShown(*this);
        }
        if (!shownOnce_) {
            shownOnce_ = true;
            raiseResize();
        }
    }
    host_->activate(*this);
    if (!modal_) {
        return;
    }
    // The host outlives every form; `this` may be gone once the loop ends.
    FormHost& host = *host_;
    while (host.isLoaded(*this) && visible_) {
        host.time().wait(kModalSliceMs);
    }
}

void Form::hide() {
    if (!visible_) {
        return;
    }
    visible_ = false;
    modal_ = false;
    changed();
    host_->deactivate(*this);
}

void Form::setWindowState(int state) {
    if (assign(windowState_, state)) {
        raiseResize();
    }
}

void Form::setOpacity(int alpha) {
    if (alpha >= 0 && alpha <= 255) {
        assign(opacity_, alpha);
    }
}

void Form::setTopmost(bool topmost) {
    assign(topmost_, topmost);
}

void Form::setShape(const QRegion& shape) {
    assign(shape_, shape);
}

void Form::setBorderStyle(int style) {
    assign(borderStyle_, style);
}

void Form::setIcon(const QImage& icon) {
    icon_ = icon;
    changed();
}

void Form::setKeyPreview(bool on) {
    assign(keyPreview_, on);
}

bool Form::setFocusTo(Control& control) {
    if (!visible_ || control.layer() != Layer::Windowed || !control.shownInForm() ||
        !control.enabled() || &control.form() != this) {
        return false;
    }
    if (activeControl_ == &control) {
        return true;
    }
    Control* previous = activeControl_;
    activeControl_ = &control;
    changed();
    if (WindowSystem* windows = host_->windowSystem()) {
        windows->focusChanged(*this);
    }
    if (previous != nullptr) {
        previous->raiseLostFocus();
    }
    control.raiseGotFocus();
    return true;
}

void Form::dropFocus(const Control& control) {
    if (activeControl_ == &control) {
        activeControl_ = nullptr;
    }
}

void Form::beginMove() {
    if (WindowSystem* windows = host_->windowSystem()) {
        windows->beginMove(*this);
    }
}

void Form::refresh() {
    if (WindowSystem* windows = host_->windowSystem(); windows != nullptr && visible_) {
        windows->refresh(*this);
    }
}

void Form::whenDrawn(std::function<void()> step) {
    if (drawn_ || host_->windowSystem() == nullptr) {
        time().post(std::move(step));
        return;
    }
    afterDrawing_.push_back(std::move(step));
}

void Form::drawn() {
    drawn_ = true;
    for (const std::function<void()>& step : std::exchange(afterDrawing_, {})) {
        step();
    }
}

bool Form::unload() {
    return host_->unload(*this);
}

void Form::setChangeListener(std::function<void()> listener) {
    changeListener_ = std::move(listener);
}

void Form::noteChange() {
    ++changeCount_;
    if (changeListener_) {
        changeListener_();
    }
}

void Form::raiseLoad() {
    if (const auto slot = events.load) {
        slot();
    }
}

void Form::raiseActivate() {
    if (const auto slot = events.activate) {
        slot();
    }
}

void Form::raiseDeactivate() {
    if (const auto slot = events.deactivate) {
        slot();
    }
}

void Form::raiseResize() {
    if (const auto slot = events.resize) {
        slot();
    }
}

bool Form::raiseUnloadEvents(int unloadMode) {
    int cancel = 0;
    if (const auto slot = events.queryUnload) {
        slot(cancel, unloadMode);
    }
    if (cancel != 0) {
        return false;
    }
    if (const auto slot = events.unload) {
        slot(cancel);
    }
    return cancel == 0;
}

} // namespace qv::forms
