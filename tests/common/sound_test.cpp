#include "common/sound.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

class SoundTest : public testing::Test {
protected:
    SoundTest() {
        sound_.LoadSoundPaths();
        device().waveFiles = {sound_.SoundFile[1], sound_.SoundFile[6], effect_};
    }

    platform::fake::FakeSoundDevice& device() { return platform_.sound; }

    void startUp() {
        sound_.InitSound();
        sound_.StopSound();
        sound_.PlaySoundFile(sound_.SoundFile[1], true);
        sound_.SetSoundVolume(3000);
    }

    platform::fake::FakePlatform platform_;
    const QString bin_ = platform_.appFolder.path();
    const QString effect_ = bin_ + u"/../common/pk/sys020.wav"_s;
    Sound sound_{platform_.sound, platform_.appFolder};
};

TEST_F(SoundTest, PathsLieInTheCommonFolderBesideTheProgram) {
    EXPECT_EQ(sound_.SoundFile[1], bin_ + u"/../common/music/majiang.wav"_s);
    EXPECT_EQ(sound_.SoundFile[6], bin_ + u"/../common/music/tishi.wav"_s);
    EXPECT_EQ(sound_.VoicePath1, bin_ + u"/../common/Fennic/"_s);
    EXPECT_EQ(sound_.VoicePath2, bin_ + u"/../common/Gorsel/"_s);
    EXPECT_TRUE(sound_.SoundFile[0].isEmpty());
    EXPECT_TRUE(sound_.SoundFile[2].isEmpty());
}

TEST_F(SoundTest, StartUpLoopsTheMusicAtFullVolume) {
    EXPECT_TRUE(sound_.g_bMusicOn && sound_.g_bEffectOn && sound_.g_bSoundOn);
    startUp();
    EXPECT_TRUE(sound_.g_bSoundOn);
    EXPECT_TRUE(device().playing());
    EXPECT_TRUE(device().looping());
    EXPECT_EQ(device().bufferPath(), sound_.SoundFile[1]);
    EXPECT_EQ(device().volume(), 0);
    device().finish();
    EXPECT_TRUE(device().playing());
}

TEST_F(SoundTest, OneVoiceAnEffectEndsTheMusicForGood) {
    startUp();
    sound_.PlaySoundFile(effect_, false);
    sound_.SetSoundVolume(3000);
    EXPECT_EQ(device().bufferPath(), effect_);
    EXPECT_FALSE(device().looping());
    device().finish();
    EXPECT_FALSE(device().playing());
    EXPECT_EQ(device().loads(), 2);
}

TEST_F(SoundTest, VolumeMapsZeroTo3000OntoMinus30To0Decibels) {
    startUp();
    struct Case {
        int v;
        int hundredthsDb;
    };
    for (const Case c : {Case{3000, 0}, Case{0, -3000}, Case{1500, -1500}, Case{2999, -1},
                         Case{3001, -1}, Case{-1, -1}, Case{32767, -1}, Case{-3000, -1}}) {
        SCOPED_TRACE(c.v);
        sound_.SetSoundVolume(2999);
        sound_.SetSoundVolume(c.v);
        EXPECT_EQ(device().volume(), c.hundredthsDb);
    }
    EXPECT_TRUE(sound_.g_bSoundOn);
}

TEST_F(SoundTest, WithoutADeviceEverythingIsSilent) {
    device().present = false;
    startUp();
    EXPECT_FALSE(sound_.g_bSoundOn);
    sound_.PlaySoundFile(effect_, false);
    sound_.SetSoundVolume(3000);
    sound_.StopSound();
    EXPECT_FALSE(device().hasBuffer());
    EXPECT_FALSE(device().playing());
    EXPECT_EQ(device().stops(), 0);
}

TEST_F(SoundTest, AMissingFileLeavesNoBufferAndChangesNothing) {
    startUp();
    sound_.PlaySoundFile(u"/nowhere/sys999.wav"_s, false);
    EXPECT_FALSE(device().hasBuffer());
    EXPECT_TRUE(sound_.g_bSoundOn);
    const int stops = device().stops();
    sound_.StopSound();
    sound_.SetSoundVolume(0);
    EXPECT_EQ(device().stops(), stops);
    EXPECT_TRUE(sound_.g_bSoundOn);
}

TEST_F(SoundTest, StopRewindsAndASecondStopChangesNothing) {
    startUp();
    sound_.StopSound();
    EXPECT_FALSE(device().playing());
    EXPECT_TRUE(device().hasBuffer());
    sound_.StopSound();
    EXPECT_FALSE(device().playing());
    EXPECT_TRUE(device().hasBuffer());
    EXPECT_TRUE(sound_.g_bSoundOn);
}

TEST_F(SoundTest, DeviceErrorsTurnTheSoundSwitchOff) {
    using Step = void (*)(Sound&, const QString&);
    for (const Step step : {+[](Sound&s, const QString&) { s.StopSound(); },
                            +[](Sound&s, const QString&) { s.SetSoundVolume(3000); },
                            +[](Sound&s, const QString&path) {
                                s.PlaySoundFile(path, false);
                            }}) {
        platform::fake::FakePlatform platform;
        const QString effect = platform.appFolder.path() + u"/e.wav"_s;
        platform.sound.waveFiles = {effect};
        Sound sound(platform.sound, platform.appFolder);
        sound.InitSound();
        sound.PlaySoundFile(effect, true);
        platform.sound.failing = true;
        step(sound, effect);
        EXPECT_FALSE(sound.g_bSoundOn);
        EXPECT_TRUE(sound.g_bEffectOn);
    }
}

} // namespace
} // namespace qv::common
