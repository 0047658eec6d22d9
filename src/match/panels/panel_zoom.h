#pragma once

#include "platform/time_service.h"

#include <QPointF>
#include <QRectF>

#include <functional>
#include <optional>

namespace qv::forms {
class PictureBox;
}

namespace qv::table {
class MainForm;
}

namespace qv::match {
struct MatchContext;
}

namespace qv::match::panels {

/// The opening of a tournament panel: it grows from the button that opens it to its place in
/// ten steps of at least 20 ms each, on the platform's timers, so nothing else waits for it.
class PanelZoom {
public:
    using Table = std::function<MatchContext*()>;
    /// The panel of the table window that grows.
    using Panel = forms::PictureBox table::MainForm::*;
    /// Runs when the zoom is over, finished or stopped; with no table when the window is gone.
    using Done = std::function<void(MatchContext*)>;

    PanelZoom(platform::TimeService& time, Table table);
    ~PanelZoom();
    PanelZoom(const PanelZoom&) = delete;
    PanelZoom& operator=(const PanelZoom&) = delete;

    /// `ZoomInPicture`: `panel` hidden, brought to the front, a tenth of `target`'s size at
    /// `from`; each step then sizes it a tenth more, moves it a tenth of the way and shows it,
    /// until it stands at `target`. Leaving the table hides the panel and ends the zoom at the
    /// next step. A zoom that is still running is ended first.
    void ZoomInPicture(Panel panel, QRectF target, QPointF from, Done done);
    [[nodiscard]] bool running() const { return timer_.has_value(); }

private:
    void step();
    void finish(MatchContext* ctx);

    platform::TimeService& time_;
    Table table_;
    std::optional<platform::TimeService::TimerId> timer_;
    Panel panel_ = nullptr;
    QRectF target_;
    QPointF from_;
    int step_ = 0;
    Done done_;
};

} // namespace qv::match::panels
