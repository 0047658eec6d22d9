#include "hand/effect_sound.h"

#include "common/sound.h"
#include "hand/hand_context.h"

namespace qv::hand {

QString ProgramPath(const HandContext& ctx, const QString& relativePath) {
    return ctx.services.appFolder.path() + relativePath;
}

void PlayEffect(HandContext& ctx, const QString& path) {
    common::Sound& sound = ctx.sound;
    if (!sound.g_bEffectOn) {
        return;
    }
    ctx.hand.g_WavFile = path;
    sound.PlaySoundFile(ctx.hand.g_WavFile, false);
    sound.SetSoundVolume(common::kFullVolume);
}

} // namespace qv::hand
