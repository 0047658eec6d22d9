#pragma once

#include "connection/table_view.h"

#include <QString>

namespace qv {
class Client;
}
namespace qv::table {
class MainForm;
}

namespace qv::app {

/// The connection's view on the real table window: it sets the window's own controls.
class MainFormView final : public connection::TableView {
public:
    MainFormView(Client& client, table::MainForm& form) : client_(client), form_(form) {}

    void sysmsgClear(int line) override;
    void sysmsgAdd(int line, const QString& text) override;
    void minimizeTable() override;
    void showTable() override;
    void setTableCaption(const QString& caption) override;
    void setLocation(const QString& text) override;
    void showChatButton(bool hover) override;
    void restoreStartButton() override;
    void startCountdownAnimation() override;
    void stopCountdownAnimation() override;
    void showBanner(const QString& url) override;
    void hideMatchPanels() override;
    void initPrizePanel() override;
    void hidePrizePanel() override;
    void initJadeTask() override;
    void hideJadeTask() override;
    void hideExchangeWindow() override;

private:
    Client& client_;
    table::MainForm& form_;
};

} // namespace qv::app
