#pragma once

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "table/design_style.h"

#include <array>
#include <optional>

namespace qv::common {
class Sound;
}

namespace qv::table {

struct TableContext;
class MainForm;

/// What the sound settings switch: the sound and its switches, and the table window's surface
/// and state.
struct VosSetContext {
    TableContext& table;
    common::Sound& sound;
};

/// The sound settings: four options (background music, system sounds, function sounds, table
/// colour) that take effect at once, OK, and Cancel that undoes what changed since the window was
/// last closed. Each option shows the action a click performs; the table colour names the
/// colour the table has.
class VosSet : public forms::Form {
public:
    /// Without a context the window only shows itself (its design).
    explicit VosSet(forms::FormHost& host, std::optional<VosSetContext> context = std::nullopt);

    // clang-format off
    forms::ControlArray<forms::Image> Command1{*this, u"Command1"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 28, .top = 232, .width = 67, .height = 27, .pictureRes = 170, .customCursor = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 121.8, .top = 232, .width = 67, .height = 27, .pictureRes = 172, .customCursor = true}}};
    forms::ControlArray<forms::Image> Command2{*this, u"Command2"_s, {
        {.firstIndex = 0, .lastIndex = 0, .left = 130, .top = 56, .width = 67, .height = 27, .pictureRes = 174, .customCursor = true},
        {.firstIndex = 1, .lastIndex = 1, .left = 130, .top = 98, .width = 67, .height = 27, .pictureRes = 174, .customCursor = true},
        {.firstIndex = 2, .lastIndex = 2, .left = 130, .top = 140, .width = 67, .height = 27, .pictureRes = 174, .customCursor = true},
        {.firstIndex = 3, .lastIndex = 3, .left = 130, .top = 182, .width = 67, .height = 27, .pictureRes = 176, .customCursor = true}}};
    // clang-format on

    /// Flags the options switched an odd number of times since the window was last closed.
    std::array<bool, 4> OptionChanged{};

    void Form_Load();
    void Command1_Click(int index);
    void Command2_Click(int index);
    /// Hover: the button under the mouse shows its hovered face.
    void Command_MouseMove(forms::ControlArray<forms::Image>& buttons, int index);
    /// The mouse over the background: every button at rest.
    void Form_MouseMove();

private:
    void switchOption(int k);
    /// The face of option `k` for its current switch, resting or hovered.
    [[nodiscard]] int optionFace(int k, bool hovered) const;
    void showFaces(bool hovered, int hoveredIndex, const forms::ControlArray<forms::Image>* in);

    std::optional<VosSetContext> context_;
};

/// Lets the host make the sound settings window on `context`.
void registerVosSet(forms::FormHost& host, VosSetContext context);

} // namespace qv::table
