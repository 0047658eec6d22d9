#include "shop/goods_pictures.h"

#include <QDir>

#include <algorithm>

namespace qv::shop {
namespace {

GoodsPicEntry* currentEntry(GoodsPictures& pictures) {
    const auto index = static_cast<std::size_t>(pictures.GoodsPicIndex);
    if (!pictures.GoodsPicCurrent || index < 1 || index >= pictures.GoodsPicQueue.size()) {
        return nullptr;
    }
    return &pictures.GoodsPicQueue[index];
}

} // namespace

using namespace Qt::StringLiterals;

void ResetGoodsPictureQueue(GoodsPictures& pictures, const QString& cacheFolder) {
    if (pictures.GoodsBaseFolder.isEmpty()) {
        pictures.GoodsBaseFolder = cacheFolder;
    }
    pictures.GoodsResFolder = pictures.GoodsBaseFolder + u"/res/"_s;
    QDir().mkpath(pictures.GoodsResFolder);
    pictures.GoodsItemInfoPath =
        pictures.GoodsBaseFolder + u"/site"_s + pictures.GoodsSiteNo + u"/iteminfo.xml"_s;
    pictures.GoodsPicCurrent.reset();
    pictures.GoodsPicQueue.assign(1, GoodsPicEntry{});
    pictures.GoodsPicPending = 0;
    pictures.GoodsPicState = 0;
}

bool NextGoodsPictureDownload(GoodsPictures& pictures, std::uint32_t now) {
    if (pictures.GoodsPicPending == 0) {
        return false;
    }
    pictures.GoodsPicState = 0;
    pictures.GoodsPicCurrent.reset();
    auto& queue = pictures.GoodsPicQueue;
    for (std::size_t i = 1; i < queue.size(); ++i) {
        GoodsPicEntry& entry = queue[i];
        if (entry.done || entry.url.isEmpty() || entry.name.isEmpty()) {
            continue;
        }
        const QString name = PlainFileName(entry.name);
        if (name.isEmpty()) {
            entry.done = true;
            continue;
        }
        pictures.GoodsPicCurrent = entry;
        pictures.GoodsPicIndex = static_cast<std::int16_t>(i);
        pictures.GoodsPicStartTick = now;
        pictures.GoodsPicUrl = entry.url;
        pictures.GoodsPicName = name;
        pictures.GoodsPicExt = PlainFileName(entry.ext);
        return true;
    }
    pictures.GoodsPicPending = 0;
    return false;
}

void GoodsPictureFailed(GoodsPictures& pictures) {
    if (GoodsPicEntry* entry = currentEntry(pictures)) {
        ++entry->tries;
        entry->done = entry->tries >= kGoodsPictureTries;
    }
    pictures.GoodsPicCurrent.reset();
    pictures.GoodsPicState = 0;
}

void GoodsPictureArrived(GoodsPictures& pictures) {
    GoodsPicEntry* entry = currentEntry(pictures);
    if (entry != nullptr) {
        entry->done = true;
    }
    pictures.GoodsPicState = entry != nullptr ? entry->id : 0;
    pictures.GoodsPicCurrent.reset();
}

QString PlainFileName(const QString& name) {
    const QString last = name.mid(std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    const bool control = std::any_of(last.begin(), last.end(), [](QChar c) {
        return c.unicode() < u' ' || c.unicode() == 0x7F;
    });
    if (control || last == u"."_s || last == u".."_s) {
        return {};
    }
    return last;
}

} // namespace qv::shop
