#pragma once

#include <QHash>
#include <QImage>

#include <concepts>
#include <mutex>

namespace qv::common {

/// Decoded pictures by key, each decoded on its first request and shared by every later one
/// (copies of a QImage share its pixels). The embedded artwork never changes while the program
/// runs, so a picture is decoded again only when two threads ask for it at once, and then one
/// decoding is kept for both; a failed decode is not kept and is tried again. Pictures are
/// decoded outside the lock, so one thread's large picture does not hold up another's small one.
template <typename Key>
class DecodedPictureCache {
public:
    template <std::invocable Decode>
    QImage get(const Key& key, Decode&& decode) {
        {
            const std::lock_guard lock(mutex_);
            if (const auto found = pictures_.constFind(key); found != pictures_.constEnd()) {
                return *found;
            }
        }
        QImage picture = decode();
        if (picture.isNull()) {
            return picture;
        }
        const std::lock_guard lock(mutex_);
        if (const auto found = pictures_.constFind(key); found != pictures_.constEnd()) {
            return *found;
        }
        pictures_.insert(key, picture);
        return picture;
    }

private:
    std::mutex mutex_;
    QHash<Key, QImage> pictures_;
};

} // namespace qv::common
