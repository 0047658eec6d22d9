#include "shop/goods.h"

#include <algorithm>

namespace qv::shop {

void BuildBagSlots(Goods& goods) {
    goods.MyGoodsShow.assign(1, GoodsEntry{});
    for (std::size_t i = 1; i < goods.MyGoods.size(); ++i) {
        const GoodsEntry& entry = goods.MyGoods[i];
        if (entry.catalogueIndex <= 0 || entry.count <= 0) {
            continue;
        }
        for (std::int32_t left = entry.count; left > 0; left -= kSlotUnits) {
            GoodsEntry slot = entry;
            slot.count = std::min(left, kSlotUnits);
            goods.MyGoodsShow.push_back(slot);
        }
    }
}

std::int32_t GetGoodsCount(const Goods& goods, std::int32_t id) {
    const auto found = std::find_if(goods.MyGoods.begin() + 1, goods.MyGoods.end(),
                                    [id](const GoodsEntry& entry) { return entry.id == id; });
    return found == goods.MyGoods.end() ? 0 : found->count;
}

std::int32_t GetGoodsPrice(const Goods& goods, std::int32_t id) {
    const std::int16_t index = CatalogueIndex(goods, id);
    return index > 0 ? goods.GoodsInfo[static_cast<std::size_t>(index)].price : 0;
}

int FindGoodsIndex(const Goods& goods, std::int32_t id) {
    const auto found = std::find_if(goods.GoodsInfo.begin(), goods.GoodsInfo.end(),
                                    [id](const GoodsInfoEntry& entry) { return entry.id == id; });
    return found == goods.GoodsInfo.end() ? -1 : static_cast<int>(found - goods.GoodsInfo.begin());
}

std::int16_t CatalogueIndex(const Goods& goods, std::int32_t id) {
    for (std::size_t i = 1; i < goods.GoodsInfo.size(); ++i) {
        if (goods.GoodsInfo[i].id == id) {
            return static_cast<std::int16_t>(i);
        }
    }
    return 0;
}

} // namespace qv::shop
