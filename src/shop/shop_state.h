#pragma once

#include "shop/goods.h"
#include "shop/goods_pictures.h"
#include "shop/jade_task_file.h"
#include "shop/prize_record.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace qv::shop {

/// The state of the prize bar, the winners list, the chips, the purchase and the item bag.
struct ShopState {
    // The prize pool and its digit roll.
    double NewPrizePool = 0;
    bool PoolRolling = false;
    /// The digit being rolled, 0 the rightmost.
    std::uint8_t RePoolWei = 0;
    /// The counting steps of that digit, 0 to 10.
    std::uint8_t t_RePoolWei = 0;
    /// The millisecond tick of the last counting step; 0 makes the next one due at once.
    std::uint32_t PoolRollTime = 0;

    // What the prize notices leave for the displays after a hand.
    double NewMyPrize = 0;
    bool MyPrizePending = false;
    QString JadeRewardText;
    std::uint32_t RefreshMyPrizeTime = 0;
    bool MyPrizeRolling = false;
    std::int16_t MyPrizeStartDigit = 0;
    std::int16_t ReMyPrizeWeiState = 0;
    /// The own prize's flickering start digits: a value in [0, 1).
    std::function<double()> Rnd = [] {
        return QRandomGenerator::global()->generateDouble();
    };

    // The reward sequence after a hand.
    bool JadeShowing = false;
    std::uint32_t JadeShowTime = 0;
    bool JadeRewardPending = false;
    /// The jade digit sprites in use, from element 0: the table keeps its sprites, so this
    /// stands for the array's upper bound plus one.
    int JadeDigitCount = 1;
    bool RewardFinishPending = false;
    std::uint32_t RewardStepTime = 0;
    /// The jade task levels and tasks, read at start-up and when the player leaves a table.
    JadeTables jadeTasks;

    // The winners list: rows 1 to 9 newest first, big-prize slots 1 to 3.
    std::array<PrizeRecord, 10> PrizeList{};
    std::array<PrizeRecord, 4> BigPrizes{};
    std::int16_t BigPrizeCount = 0;
    bool prizeNeedUpdate = false;
    bool PrizeListFirstOpen = true;
    std::array<std::int16_t, 6> PrizeColWidths{};
    float PrizeListLeft = 0;
    float PrizeListTop = 0;
    std::int16_t PrizeRowHeight = 0;

    // The chips.
    /// The chip cap of the room; 0 until computed.
    std::int32_t RoomChipCap = 0;
    /// The next forced refresh of the chip setting is skipped once.
    bool isUpdateChipNum = true;

    Goods goods;
    /// The goods window's picture downloads.
    GoodsPictures goodsPictures;

    /// The web site of the recharge pages, without a trailing slash.
    QString SiteAddress;
    /// The signed recharge page, made on the first click of the VIP window's button.
    QString RechargeUrl;
};

} // namespace qv::shop
