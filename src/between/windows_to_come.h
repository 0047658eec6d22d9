#pragma once

namespace qv::between {

/// The table's record windows, the score sheet `Score` and the hand history `Hero`, as far as
/// the table's buttons and its ways out use them.
class RecordWindows {
public:
    virtual ~RecordWindows() = default;
    [[nodiscard]] virtual bool scoreVisible() const = 0;
    [[nodiscard]] virtual bool heroVisible() const = 0;
    /// The score button: hides a visible sheet, else fills it with the last hand and centres it
    /// on the table surface in front.
    virtual void ToggleScore() = 0;
    /// The history button: hides a visible history, else hides the sheet and centres the
    /// history on the table surface.
    virtual void ToggleHero() = 0;
    virtual void HideRecords() = 0;
    /// The sheet centred on the table window, shown in front.
    virtual void ShowScoreOverTable() = 0;
    /// The history centred on the table surface and shown.
    virtual void ShowHeroOnTable() = 0;
    /// Display seat `seat` loses its head picture and name in both windows.
    virtual void ClearSeat(int seat) = 0;
    /// Leaving the table: every seat emptied in both windows, their lists cleared, the running
    /// totals 0, both hidden.
    virtual void ResetRecords() = 0;
};

/// The least the record windows do until they are built: they are shown or hidden.
class LeastRecordWindows final : public RecordWindows {
public:
    [[nodiscard]] bool scoreVisible() const override { return score_; }
    [[nodiscard]] bool heroVisible() const override { return hero_; }
    void ToggleScore() override { score_ = !score_; }
    void ToggleHero() override {
        if (hero_) {
            hero_ = false;
            return;
        }
        score_ = false;
        hero_ = true;
    }
    void HideRecords() override { score_ = hero_ = false; }
    void ShowScoreOverTable() override { score_ = true; }
    void ShowHeroOnTable() override { hero_ = true; }
    void ClearSeat(int /*seat*/) override {}
    void ResetRecords() override { HideRecords(); }

private:
    bool score_ = false;
    bool hero_ = false;
};

/// The rules window `rule`, as far as the table's buttons use it.
class RulesWindow {
public:
    virtual ~RulesWindow() = default;
    [[nodiscard]] virtual bool visible() const = 0;
    /// Hides a visible window, else shows it centred on the table window.
    virtual void Toggle() = 0;
    virtual void Hide() = 0;
};

/// The least the rules window does until it is built: it is shown or hidden.
class LeastRulesWindow final : public RulesWindow {
public:
    [[nodiscard]] bool visible() const override { return visible_; }
    void Toggle() override { visible_ = !visible_; }
    void Hide() override { visible_ = false; }

private:
    bool visible_ = false;
};

} // namespace qv::between
