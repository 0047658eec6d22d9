#pragma once

#include "table_messages.h"

namespace qv::tools::table {

/// The player the client logs in as: the account is also his nickname.
SeatedPlayer humanPlayer(const QByteArray& account);
/// The n-th computer player the table seats (1, 2, ...), each with its own name and account.
SeatedPlayer computerPlayer(int number);
/// The level's name, "第一级" to "第四十级".
QString levelName(int level);

} // namespace qv::tools::table
