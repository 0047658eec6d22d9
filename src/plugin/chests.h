#pragma once

#include "plugin/plugin_context.h"

namespace qv::forms {
class Image;
}

namespace qv::plugin {

/// Starts the chest show of the hand's result; shows the sheet at once when there is nothing
/// to show or the layout cannot show it.
void PlayBaoXiang(PluginContext& ctx);
/// One pump tick of the five-second chest countdown.
void BaoCountdown(PluginContext& ctx);
void ImgProp_Click(PluginContext& ctx, int index);
/// Opens the player's chest `index` (0 to 4), or with -1 the other seats' chosen chests.
void OpenBaoXiang(PluginContext& ctx, int index);
void AnimateBaoOpen(PluginContext& ctx, int pick, bool opening, int seat);
/// Slides `image` in five steps; -1 when done, 0 when it failed.
int MoveBao(PluginContext& ctx, double x0, double y0, double x1, double y1, forms::Image& image);
/// The gold text: step -1 prepares it, steps below the show's length count up, the last is final.
void ShowBaoResult(PluginContext& ctx, int step);
/// One step of the opening show on `TimerProp`; true when the show has ended.
bool OpeningStep(PluginContext& ctx);

} // namespace qv::plugin
