#include "table/chat_windows.h"

using namespace Qt::StringLiterals;

namespace qv::table {

Talk::Talk(forms::FormHost& host) : forms::Form(host, u"Talk"_s), Text1(*this, u"Text1"_s) {}

huifu::huifu(forms::FormHost& host) : forms::Form(host, u"huifu"_s) {}

} // namespace qv::table
