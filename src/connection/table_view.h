#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace qv::connection {

/// What the connection shows on the table window: the system list, the window itself and the few
/// controls its handlers set.
class TableView {
public:
    virtual ~TableView() = default;

    /// `Sysmsg(line)`.Clear and .AddItem.
    virtual void sysmsgClear(int line) = 0;
    virtual void sysmsgAdd(int line, const QString& text) = 0;
    /// The table window's WindowState = minimised.
    virtual void minimizeTable() = 0;
    /// Shows the table window (modeless) and places the rest of its controls.
    virtual void showTable() = 0;
    virtual void setTableCaption(const QString& caption) = 0;
    /// The `Location` label.
    virtual void setLocation(const QString& text) = 0;
    /// The chat button `AnNiu(1)` with its normal or its hover picture.
    virtual void showChatButton(bool hover) = 0;
    /// The start button comes back: unlocked, with its start picture; clock and digits hidden.
    virtual void restoreStartButton() = 0;
    /// `Picture_ani(0)` in front and shown, `Timer_ani` started at 1500 ms with Tag "0".
    virtual void startCountdownAnimation() = 0;
    /// `Picture_ani(0..2)` hidden, `Timer_ani` stopped with Tag "0".
    virtual void stopCountdownAnimation() = 0;
    /// `WebBrowser1` navigates to `url` and is shown.
    virtual void showBanner(const QString& url) = 0;
    /// The tournament detail panels and their buttons are hidden.
    virtual void hideMatchPanels() = 0;
    /// `InitPrizePanel`: the prize bar and its panels laid out anew, their state reset.
    virtual void initPrizePanel() = 0;
    /// `HidePrizePanel`: the prize bar `Pic_prize` and its winners button `bt_prizesort` hidden.
    virtual void hidePrizePanel() = 0;
    /// `InitJadeTask`: the jade reward's sprites laid out and hidden, the reward flags cleared.
    virtual void initJadeTask() = 0;
    /// `HideJadeTask`: the jade task panel hidden.
    virtual void hideJadeTask() = 0;
    /// The jade exchange window hidden, when it is there.
    virtual void hideExchangeWindow() = 0;
};

/// A table view that only keeps what was shown: the client's view until the table window is
/// there, and the view tests read.
class TableLog final : public TableView {
public:
    void sysmsgClear(int line) override { sysmsg.at(static_cast<std::size_t>(line)).clear(); }
    void sysmsgAdd(int line, const QString& text) override {
        sysmsg.at(static_cast<std::size_t>(line)).append(text);
    }
    void minimizeTable() override { minimized = true; }
    void showTable() override {
        shown = true;
        minimized = false;
    }
    void setTableCaption(const QString& text) override { caption = text; }
    void setLocation(const QString& text) override { location = text; }
    void showChatButton(bool hover) override { chatButtonHover.append(hover); }
    void restoreStartButton() override { ++startButtonRestores; }
    void startCountdownAnimation() override { ++countdownAnimations; }
    void stopCountdownAnimation() override { ++countdownAnimationStops; }
    void showBanner(const QString& url) override { banner = url; }
    void hideMatchPanels() override { matchPanelsHidden = true; }
    void initPrizePanel() override { ++prizePanelInits; }
    void hidePrizePanel() override { ++prizePanelHides; }
    void initJadeTask() override { ++jadeTaskInits; }
    void hideJadeTask() override { ++jadeTaskHides; }
    void hideExchangeWindow() override { exchangeWindowHidden = true; }

    std::array<QStringList, 2> sysmsg;
    bool minimized = false;
    bool shown = false;
    QString caption;
    QString location;
    QList<bool> chatButtonHover;
    int startButtonRestores = 0;
    int countdownAnimations = 0;
    int countdownAnimationStops = 0;
    QString banner;
    bool matchPanelsHidden = false;
    int prizePanelInits = 0;
    int prizePanelHides = 0;
    int jadeTaskInits = 0;
    int jadeTaskHides = 0;
    bool exchangeWindowHidden = false;
};

} // namespace qv::connection
