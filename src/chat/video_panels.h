#pragma once

namespace qv::chat {

struct ChatContext;

/// The seat video panels over the table, the own-video hover and the photos; the video itself
/// is the item plug-in's.

/// The pointer over the own head picture asks the plug-in for the own video, once per visit.
void Proponeself_MouseMove(ChatContext& ctx, double x, double y);
/// Opens seat `k`'s video (1 to 3).
void ImgShow_Click(ChatContext& ctx, int k);
void ImCmd_Click(ChatContext& ctx, int index);
void ImCmd_MouseMove(ChatContext& ctx, int index);
/// The pointer on a strip's background puts every strip button back to normal.
void PicLocal_MouseMove(ChatContext& ctx);
/// The own video hidden; nothing for `show` 0, which every caller passes.
void ShowOwnVideo(ChatContext& ctx, int show);
/// A seat's panel back to hidden when its player leaves (1 to 3).
void ClearSeatVideo(ChatContext& ctx, int k);

} // namespace qv::chat
