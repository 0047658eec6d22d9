#include "table/vos_set.h"

#include "common/picture_resources.h"
#include "common/sound.h"
#include "forms/form_host.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"
#include "table/window_pictures.h"

#include <memory>

namespace qv::table {
namespace {

constexpr double kWidthPx = 221;
constexpr double kHeightPx = 283;
constexpr int kOpacity = 200;

// Faces: OK, Cancel, switch off, switch on, green table, blue table; each with its hovered form.
constexpr int kOkFace = 170;
constexpr int kOkHover = 171;
constexpr int kCancelFace = 172;
constexpr int kCancelHover = 173;
constexpr int kSwitchOffFace = 174;
constexpr int kSwitchOnFace = 175;
constexpr int kSwitchOffHover = 195;
constexpr int kSwitchOnHover = 196;
constexpr int kGreenFace = 176;
constexpr int kBlueFace = 177;
constexpr int kGreenHover = 198;
constexpr int kBlueHover = 197;
constexpr int kTableColour = 3;

void setFace(forms::Image& button, int resId) {
    common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, button);
}

} // namespace

VosSet::VosSet(forms::FormHost& host, std::optional<VosSetContext> context)
    : forms::Form(host, u"VosSet"_s), context_(context) {
    setCaption(u"音效设置"_s);
    setBorderStyle(0);
    move(left(), top(), kWidthPx * kTwipsPerPixel, kHeightPx * kTwipsPerPixel);
    const WindowPictures pictures(name());
    setPicture(pictures.stored(u"background"_s, -1));
    forms::applyDesign(design(), pictures);
    Command1.events.click = [this](int index) {
        Command1_Click(index);
    };
    Command2.events.click = [this](int index) {
        Command2_Click(index);
    };
    Command1.events.mouseMove = [this](int index, int, int, double, double) {
        Command_MouseMove(Command1, index);
    };
    Command2.events.mouseMove = [this](int index, int, int, double, double) {
        Command_MouseMove(Command2, index);
    };
    events.mouseMove = [this](int, int, double, double) {
        Form_MouseMove();
    };
    events.load = [this] {
        Form_Load();
    };
}

void VosSet::Form_Load() {
    setOpacity(kOpacity);
    showFaces(false, -1, nullptr);
    OptionChanged = {};
}

void VosSet::Command1_Click(int index) {
    hide();
    if (index == 1) {
        for (int k = 0; k < static_cast<int>(OptionChanged.size()); ++k) {
            if (OptionChanged.at(static_cast<std::size_t>(k))) {
                switchOption(k);
            }
        }
    }
    OptionChanged = {};
}

void VosSet::Command2_Click(int index) {
    auto& changed = OptionChanged.at(static_cast<std::size_t>(index));
    changed = !changed;
    switchOption(index);
}

void VosSet::Command_MouseMove(forms::ControlArray<forms::Image>& buttons, int index) {
    showFaces(true, index, &buttons);
}

void VosSet::Form_MouseMove() {
    showFaces(false, -1, nullptr);
}

void VosSet::switchOption(int k) {
    if (!context_) {
        return;
    }
    common::Sound& sound = context_->sound;
    switch (k) {
    case 0:
        sound.g_bMusicOn = !sound.g_bMusicOn;
        if (sound.g_bMusicOn) {
            sound.PlaySoundFile(sound.SoundFile[common::kBackgroundMusic], true);
            sound.SetSoundVolume(common::kFullVolume);
        } else {
            sound.StopSound();
        }
        break;
    case 1:
        sound.g_bEffectOn = !sound.g_bEffectOn;
        break;
    case 2: {
        sound.g_bSoundOn = !sound.g_bSoundOn;
        plugin::PluginState& plugin = context_->table.plugin;
        if (plugin.loaded()) {
            plugin.Prop_GameDll->rec_state(1, sound.g_bEffectOn, 0);
        }
        break;
    }
    default: {
        TableState& state = context_->table.state;
        auto* table = host().find<MainForm>();
        if (state.ScaleX != 1.0F || table == nullptr) {
            return;
        }
        state.g_bAltTableSkin = !state.g_bAltTableSkin;
        const QImage& surface = (state.g_bAltTableSkin ? table->pic4 : table->pic3).picture();
        table->Pic1.setPicture(QImage());
        table->Pic1.paintPicture(surface, 0, 0, surface.width(), surface.height());
        table->Pic1.zOrder(1);
        break;
    }
    }
    showFaces(false, -1, nullptr);
}

int VosSet::optionFace(int k, bool hovered) const {
    if (k == kTableColour) {
        const bool blue = context_ && context_->table.state.g_bAltTableSkin;
        if (blue) {
            return hovered ? kBlueHover : kBlueFace;
        }
        return hovered ? kGreenHover : kGreenFace;
    }
    bool on = true;
    if (context_) {
        const common::Sound& sound = context_->sound;
        on = k == 0 ? sound.g_bMusicOn : (k == 1 ? sound.g_bEffectOn : sound.g_bSoundOn);
    }
    if (on) {
        return hovered ? kSwitchOffHover : kSwitchOffFace;
    }
    return hovered ? kSwitchOnHover : kSwitchOnFace;
}

void VosSet::showFaces(bool hovered, int hoveredIndex,
                       const forms::ControlArray<forms::Image>* in) {
    const auto hot = [&](const forms::ControlArray<forms::Image>& buttons, int i) {
        return hovered && in == &buttons && hoveredIndex == i;
    };
    setFace(Command1(0), hot(Command1, 0) ? kOkHover : kOkFace);
    setFace(Command1(1), hot(Command1, 1) ? kCancelHover : kCancelFace);
    for (int k = 0; k <= kTableColour; ++k) {
        setFace(Command2(k), optionFace(k, hot(Command2, k)));
    }
}

void registerVosSet(forms::FormHost& host, VosSetContext context) {
    host.registerForm<VosSet>([context](forms::FormHost& formHost) {
        return std::make_unique<VosSet>(formHost, context);
    });
}

} // namespace qv::table
