#include "match/panels/panel_zoom.h"

#include "match/match_context.h"
#include "table/main_form.h"

#include <utility>

namespace qv::match::panels {

namespace {

constexpr int kSteps = 10;
constexpr int kStepMs = 20;

} // namespace

PanelZoom::PanelZoom(platform::TimeService& time, Table table)
    : time_(time), table_(std::move(table)) {}

PanelZoom::~PanelZoom() {
    if (timer_) {
        time_.stopTimer(*timer_);
    }
}

void PanelZoom::ZoomInPicture(Panel panel, QRectF target, QPointF from, Done done) {
    if (running()) {
        finish(table_());
    }
    MatchContext* ctx = table_();
    if (ctx == nullptr) {
        return;
    }
    forms::PictureBox& p = ctx->form.*panel;
    p.setVisible(false);
    p.zOrder(0);
    p.setWidth(target.width() / kSteps);
    p.setHeight(target.height() / kSteps);
    p.move(from.x(), from.y());
    panel_ = panel;
    target_ = target;
    from_ = from;
    step_ = 0;
    done_ = std::move(done);
    timer_ = time_.startTimer(kStepMs, [this] { step(); });
}

void PanelZoom::step() {
    MatchContext* ctx = table_();
    if (ctx == nullptr) {
        finish(nullptr);
        return;
    }
    forms::PictureBox& p = ctx->form.*panel_;
    if (ctx->state.g_bLeavingTable) {
        p.setVisible(false);
        finish(ctx);
        return;
    }
    ++step_;
    p.cls();
    p.setWidth(target_.width() * step_ / kSteps);
    p.setHeight(target_.height() * step_ / kSteps);
    if (step_ >= kSteps) {
        p.move(target_.left(), target_.top());
    } else {
        p.move(from_.x() + step_ * (target_.left() - from_.x()) / kSteps,
               from_.y() + step_ * (target_.top() - from_.y()) / kSteps);
    }
    p.setVisible(true);
    if (step_ >= kSteps) {
        finish(ctx);
    }
}

void PanelZoom::finish(MatchContext* ctx) {
    if (timer_) {
        time_.stopTimer(*timer_);
        timer_.reset();
    }
    Done done = std::exchange(done_, {});
    if (done) {
        done(ctx);
    }
}

} // namespace qv::match::panels
