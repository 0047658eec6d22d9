#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace qv::shop {

/// Goods id of cigarettes, the goods the chips and the purchase count.
inline constexpr std::int32_t kCigarettes = 3;
/// The most units one display slot of the goods window holds.
inline constexpr std::int32_t kSlotUnits = 9'999'999;

/// One goods on the wire: its id and count, 6 bytes.
struct BagItem {
    std::uint16_t id = 0;
    std::int32_t count = 0;

    friend bool operator==(const BagItem&, const BagItem&) = default;
};

/// One entry of the item bag or of its display slots.
struct GoodsEntry {
    std::int32_t id = 0;
    std::int32_t count = 0;
    /// Position in the catalogue, 0 when the catalogue does not know the goods.
    std::int16_t catalogueIndex = 0;

    friend bool operator==(const GoodsEntry&, const GoodsEntry&) = default;
};

/// One goods of the catalogue, as a source of goods descriptions fills it.
struct GoodsInfoEntry {
    std::int32_t id = 0;
    QString name;
    QString description;
    QString pictureFile;
    QString pictureExt;
    std::int32_t price = 0;
    /// The unit after a count: the winners' items and the tournament fees.
    QString unit;
    std::int16_t reserved = 0;
    std::int16_t exchangeable = 0;
    QImage picture;
    bool pictureLoaded = false;
};

/// The item bag, its display slots and the catalogue, each indexed from 1 with an empty element
/// 0. Nothing in the client fills the catalogue; whatever describes the goods fills `GoodsInfo`.
struct Goods {
    std::vector<GoodsEntry> MyGoods{GoodsEntry{}};
    std::vector<GoodsEntry> MyGoodsShow{GoodsEntry{}};
    std::vector<GoodsInfoEntry> GoodsInfo{GoodsInfoEntry{}};
};

/// Rebuilds the display slots: one per `kSlotUnits` units of each goods the catalogue knows.
void BuildBagSlots(Goods& goods);
/// The count of the first bag entry with goods `id`, 0 when there is none.
[[nodiscard]] std::int32_t GetGoodsCount(const Goods& goods, std::int32_t id);
/// The unit price of the first catalogue entry with goods `id`, 0 when there is none.
[[nodiscard]] std::int32_t GetGoodsPrice(const Goods& goods, std::int32_t id);
/// The index of the first catalogue entry with goods `id` from element 0 on, -1 when none.
[[nodiscard]] int FindGoodsIndex(const Goods& goods, std::int32_t id);
/// The catalogue index a bag entry of goods `id` gets: the first from entry 1 on, 0 when none.
[[nodiscard]] std::int16_t CatalogueIndex(const Goods& goods, std::int32_t id);

} // namespace qv::shop
