#include "shop/recharge_address.h"

#include "common/gbk.h"
#include "common/md5.h"

#include <QByteArray>

namespace qv::shop {
namespace {

using namespace Qt::StringLiterals;

constexpr auto kSalt = "quvenbar"_L1;

QString encoded(const QString& value) {
    return QString::fromLatin1(toAnsi(value).toPercentEncoding());
}

} // namespace

QString RechargeAddress(const QString& site, const QString& name, const QString& code) {
    return site + u"/chongzhi/member.php?l="_s + encoded(name) + u"&z="_s + encoded(code) +
           u"&m="_s + GetStrMd5(name + code + kSalt);
}

QString ExchangeAddress(const QString& site) {
    return site + u"/duihuan"_s;
}

} // namespace qv::shop
