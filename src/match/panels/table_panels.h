#pragma once

#include "match/match_panels.h"
#include "match/panels/panel_zoom.h"

#include <functional>

namespace qv::connection {
class Connection;
}

namespace qv::table {
class MainForm;
}

namespace qv::match {
struct MatchContext;
}

namespace qv::match::panels {

/// The tournament panels on the table window, as the tournament model asks for them; `table`
/// gives the model on the window while the window is there, and nothing is drawn without it.
class TablePanels final : public MatchPanels {
public:
    using Table = std::function<MatchContext*()>;

    TablePanels(platform::TimeService& time, Table table);
    void initMatchUI() override;
    bool InitCurMatchShow(int& page) override;
    void ShowMatchDetail(int row) override;

    /// Wires the panels' controls of a new table window to their handlers.
    void wire(table::MainForm& form);
    /// Registers the ranking page message with the connection's dispatcher.
    void registerBranches(connection::Connection& conn);

private:
    Table table_;
    PanelZoom zoom_;
};

} // namespace qv::match::panels
