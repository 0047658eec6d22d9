#pragma once

#include "chat/chat_state.h"
#include "controls/gif/uc_ani_gif.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "table/design_style.h"

namespace qv::chat {

struct ChatContext;

using namespace Qt::StringLiterals;

/// The emoticon picker "FormBQ": eight animated tiles over three pages, the page buttons and
/// the page number. A tile sends its emoticon.
class frmBiaoqing : public forms::Form {
    // First, so the tiles can be made on them.
    platform::TimeService& time_;
    platform::HttpClient& http_;

public:
    frmBiaoqing(forms::FormHost& host, platform::TimeService& time, platform::HttpClient& http);

    // clang-format off
    forms::ControlArray<controls::ucAniGIF> ucAni_DBQ{*this, u"ucAni_DBQ"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 18, .top = 43, .width = 73, .height = 73},
        {.firstIndex = 1, .lastIndex = 1, .left = 98, .top = 43, .width = 73, .height = 73},
        {.firstIndex = 2, .lastIndex = 2, .left = 178, .top = 43, .width = 73, .height = 73},
        {.firstIndex = 3, .lastIndex = 3, .left = 258, .top = 43, .width = 73, .height = 73},
        {.firstIndex = 4, .lastIndex = 4, .left = 18, .top = 127, .width = 73, .height = 73},
        {.firstIndex = 5, .lastIndex = 5, .left = 98, .top = 127, .width = 73, .height = 73},
        {.firstIndex = 6, .lastIndex = 6, .left = 178, .top = 127, .width = 73, .height = 73},
        {.firstIndex = 7, .lastIndex = 7, .left = 258, .top = 127, .width = 73, .height = 73}},
        controls::ucAniGIF::elements(time_, http_)};
    forms::Image Cmd_Dpp{*this, u"Cmd_Dpp"_s, {.left = 250, .top = 16, .width = 33, .height = 20, .pictureRes = 769}};
    forms::Label Lbl_Dcp{*this, u"Lbl_Dcp"_s, {.left = 285, .top = 18, .width = 17, .height = 17, .text = u"1", .fontName = table::kSong, .fontSize = 12}};
    forms::Image Cmd_Dnp{*this, u"Cmd_Dnp"_s, {.left = 304, .top = 16, .width = 33, .height = 20, .pictureRes = 773}};
    // clang-format on
};

// The picker's handlers.
void frmBiaoqing_Form_Load(frmBiaoqing& picker, ChatState& chat);
void Cmd_Dnp_Click(frmBiaoqing& picker, ChatState& chat);
void Cmd_Dpp_Click(frmBiaoqing& picker, ChatState& chat);
/// A tile sends its emoticon: more than 1000 coins and 7 seconds since the last one.
void ucAni_DBQ_Click(ChatContext& ctx, frmBiaoqing& picker, int tile);
void Cmd_Dpp_MouseMove(frmBiaoqing& picker);
void Cmd_Dnp_MouseMove(frmBiaoqing& picker);
void frmBiaoqing_Form_MouseMove(frmBiaoqing& picker);

} // namespace qv::chat
