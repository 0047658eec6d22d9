#include "table/chat_windows.h"

#include "table/window_pictures.h"

namespace qv::table {

Talk::Talk(forms::FormHost& host) : forms::Form(host, u"Talk"_s) {
    forms::applyDesign(design(), WindowPictures(name()));
}

huifu::huifu(forms::FormHost& host) : forms::Form(host, u"huifu"_s) {}

} // namespace qv::table
