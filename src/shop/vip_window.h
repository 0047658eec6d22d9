#pragma once

#include "forms/form.h"

#include <cstdint>

namespace qv::shop {

/// The VIP window, as far as the table's VIP badge opens it: the picture of a VIP level.
class FrmVip : public forms::Form {
public:
    explicit FrmVip(forms::FormHost& host);

    /// Shows the picture of VIP level `level` (0 to 6); other levels change nothing.
    void initFrm(std::int16_t level);
};

} // namespace qv::shop
