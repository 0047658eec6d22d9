#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qv::shop {

/// `GoodsPicState` while a download runs; 0 is idle and a goods id means its file has arrived.
inline constexpr std::int32_t kGoodsPictureRunning = -1;
/// The tries a picture gets before the queue gives it up.
inline constexpr std::int16_t kGoodsPictureTries = 3;

/// One picture to download: whose it is, where it comes from and the file it is kept in.
struct GoodsPicEntry {
    std::int32_t id = 0;
    QString url;
    QString name;
    QString ext;
    std::int16_t tries = 0;
    /// Downloaded, or given up after its tries.
    bool done = false;
};

/// The goods pictures' download queue, indexed from 1 with an empty element 0, and the download
/// under way.
struct GoodsPictures {
    std::vector<GoodsPicEntry> GoodsPicQueue{GoodsPicEntry{}};
    std::optional<GoodsPicEntry> GoodsPicCurrent;
    std::int16_t GoodsPicIndex = 0;
    std::uint32_t GoodsPicStartTick = 0;
    /// Non-zero while the queue may hold work.
    std::int16_t GoodsPicPending = 0;
    std::int32_t GoodsPicState = 0;
    QString GoodsPicUrl;
    QString GoodsPicName;
    QString GoodsPicExt;
    /// Where the pictures are kept; the user's cache folder unless something chose another.
    QString GoodsBaseFolder;
    QString GoodsSiteNo;
    QString GoodsResFolder;
    QString GoodsItemInfoPath;
};

/// Empties the queue, and names (and makes) the picture folder below the base folder, which
/// becomes `cacheFolder` when none was chosen.
void ResetGoodsPictureQueue(GoodsPictures& pictures, const QString& cacheFolder);
/// Takes the first entry not done whose address and file name are there as the current download;
/// false, and the queue stops, when there is none. An entry whose name holds no plain file name
/// is given up.
bool NextGoodsPictureDownload(GoodsPictures& pictures, std::uint32_t now);
/// The current download ended without a picture: one try less for its entry, which is given up
/// when it has none left.
void GoodsPictureFailed(GoodsPictures& pictures);
/// The current download's file is in place: its entry is done.
void GoodsPictureArrived(GoodsPictures& pictures);
/// The last part of a name that may carry folders of either kind; empty when that part is no
/// file's name ("", ".", ".." or a control character).
[[nodiscard]] QString PlainFileName(const QString& name);

} // namespace qv::shop
