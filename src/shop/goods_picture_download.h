#pragma once

#include "platform/http_client.h"

#include <QByteArray>

namespace qv::connection {
class Connection;
}

namespace qv::shop {

struct GoodsPictures;

/// The goods window's picture downloads, one at a time: the current entry's address is fetched
/// without following redirections, and only a body that is a picture is kept, written in the
/// user's cache folder and then moved into the picture folder.
class GoodsPictureDownload {
public:
    GoodsPictureDownload(connection::Connection& conn, GoodsPictures& pictures)
        : conn_(conn), pictures_(pictures) {}
    GoodsPictureDownload(const GoodsPictureDownload&) = delete;
    GoodsPictureDownload& operator=(const GoodsPictureDownload&) = delete;
    ~GoodsPictureDownload();

    /// Fetches `GoodsPicUrl`, dropping a download that runs; an address that cannot be fetched
    /// costs its entry a try.
    void start();
    /// Drops the running download: nothing of it is written.
    void cancel();

private:
    void completed(const QByteArray& body);
    void failed();
    /// Writes the picture under its plain name in the picture folder; false when it cannot.
    [[nodiscard]] bool keep(const QByteArray& body) const;

    connection::Connection& conn_;
    GoodsPictures& pictures_;
    platform::HttpClient::RequestId request_ = 0;
};

} // namespace qv::shop
