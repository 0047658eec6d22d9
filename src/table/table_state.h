#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qv::table {

/// The table window's state: the layout scale, the seats' wealth and the flags and hover states
/// of its controls. Names are the game's own.
struct TableState {
    /// Layout scale, 1.0 or 0.78125, set once at start-up before any layout.
    float ScaleX = 1.0F;
    float ScaleY = 1.0F;

    /// Per-seat wealth multiple of the table, 0 for none; written when players take their seats.
    std::array<std::int32_t, 4> SeatWealth{};

    /// Where the left button went down on a panel being dragged, in the panel's pixels.
    float PanelDragX = 0.0F;
    float PanelDragY = 0.0F;

    /// The table's wealth-doubling multiple, 0 for none.
    std::int32_t WealthOdds = 0;
    /// A web view's navigation failed: it stays hidden for the rest of the run.
    bool g_bBannerError = false;
    bool g_bShufflePageError = false;

    bool g_bBossKey = false;
    bool g_bHiddenPlay = false;
    /// The countdown plays every own turn (the boss key's automatic play).
    bool g_bAutoPlay = false;
    bool g_bCountdownAnim = false;
    /// No hand has been started from the start button yet: it shows its start picture.
    bool g_bFirstStart = true;
    /// The chat-log shortcut: (0) after Alt, (1) after C.
    std::array<int, 2> AltCState{};
    /// The table shows its blue surface instead of the green one.
    bool g_bAltTableSkin = false;

    /// The seat-change captions and the one the caption timer shows next.
    std::array<QString, 4> ShuffleTexts{
        QStringLiteral("正在随机换座中.."), QStringLiteral("正在随机换座中..."),
        QStringLiteral("正在随机换座中...."), QStringLiteral("正在随机换座中.....")};
    int ShuffleStep = 0;

    /// Table buttons `AnNiu(0..8)`: click lock (only element 2, the start button, is tested)
    /// and whether the button shows its hover picture.
    std::array<bool, 9> AnNiuLocked{};
    std::array<bool, 9> AnNiuHover{};
    /// Hover state of the play controls `Operation(0..4)` (element 5 unused).
    std::array<bool, 6> OperationHover{};
    /// The call button shows its normal picture.
    bool g_bJiaopaiNormal = false;
    /// A seat's video preview opened by hovering: its relative seat, 0 for none.
    bool VideoHoverOn = false;
    int VideoHoverSeat = 0;
    bool OwnVideoOn = false;

    /// Design sizes of the face-down hands of seats 1, 2, 3: four (width, height) pairs each.
    std::array<int, 8> HandBackSize1{};
    std::array<int, 8> HandBackSize2{};
    std::array<int, 8> HandBackSize3{};

    friend bool operator==(const TableState&, const TableState&) = default;
};

} // namespace qv::table
