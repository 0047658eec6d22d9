#pragma once

#include <QString>

namespace qv::shop {

/// The signed recharge page of the player `name` with the second credential `code`, on the site
/// `site`: the digest covers both values as they are with the site's salt, while the address
/// carries each value's GBK bytes percent-encoded outside the unreserved characters, so a
/// value's "&", "=", "#", blanks or Chinese characters stay that value.
[[nodiscard]] QString RechargeAddress(const QString& site, const QString& name,
                                      const QString& code);
/// The site's exchange page, where goods are exchanged for jade.
[[nodiscard]] QString ExchangeAddress(const QString& site);

} // namespace qv::shop
