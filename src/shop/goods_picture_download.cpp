#include "shop/goods_picture_download.h"

#include "connection/connection.h"
#include "platform/services.h"
#include "shop/goods_pictures.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace qv::shop {

using namespace Qt::StringLiterals;

GoodsPictureDownload::~GoodsPictureDownload() {
    cancel();
}

void GoodsPictureDownload::start() {
    cancel();
    request_ = conn_.services.http.get(pictures_.GoodsPicUrl,
                                       {[this](const QByteArray& body) { completed(body); },
                                        [this] {
                                            failed();
                                        }},
                                       platform::HttpClient::Redirects::Refuse);
    if (request_ == 0) {
        GoodsPictureFailed(pictures_);
    }
}

void GoodsPictureDownload::cancel() {
    if (request_ != 0) {
        conn_.services.http.cancel(request_);
        request_ = 0;
    }
}

void GoodsPictureDownload::failed() {
    request_ = 0;
    GoodsPictureFailed(pictures_);
}

void GoodsPictureDownload::completed(const QByteArray& body) {
    request_ = 0;
    if (conn_.match.g_bLeavingTable) {
        ResetGoodsPictureQueue(pictures_, conn_.services.appFolder.cachePath());
        return;
    }
    if (QImage::fromData(body).isNull() || !keep(body)) {
        GoodsPictureFailed(pictures_);
        return;
    }
    GoodsPictureArrived(pictures_);
}

bool GoodsPictureDownload::keep(const QByteArray& body) const {
    if (pictures_.GoodsResFolder.isEmpty()) {
        return false;
    }
    const QString cache = conn_.services.appFolder.cachePath();
    const QString tmp = cache + u"/tmp"_s + pictures_.GoodsPicExt;
    const QString target =
        pictures_.GoodsResFolder + pictures_.GoodsPicName + pictures_.GoodsPicExt;
    QFile::remove(tmp);
    QFile file(tmp);
    const bool written = QDir().mkpath(cache) && file.open(QIODevice::WriteOnly) &&
                         file.write(body) == body.size() && file.flush();
    file.close();
    if (!written || !QDir().mkpath(pictures_.GoodsResFolder) ||
        (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(tmp, target)) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

} // namespace qv::shop
