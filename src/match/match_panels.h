#pragma once

#include "match/match.h"

namespace qv::match {

/// What the tournament model asks of the tournament panels on the table window.
class MatchPanels {
public:
    virtual ~MatchPanels() = default;
    /// Rebuilds the panels' rows, before a configuration is loaded.
    virtual void initMatchUI() = 0;
    /// Fills list page `page` from the display rows and writes back the page shown; false when
    /// no page could be filled.
    virtual bool InitCurMatchShow(int& page) = 0;
    /// Shows display row `row` in the detail panel.
    virtual void ShowMatchDetail(int row) = 0;
};

} // namespace qv::match
