#include "chat/chat_filter.h"
#include "chat/voice_file.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

struct FilterCase {
    QString in;
    QString out;
};

class Filter : public testing::TestWithParam<FilterCase> {};

TEST_P(Filter, RemovesEachWordInOnePass) {
    EXPECT_EQ(FilterChat(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Filter,
    testing::Values(FilterCase{u"你他妈的好"_s, u"你好"_s},
                    // One pass per word: the halves around a removal join into the word again.
                    FilterCase{u"他他妈的妈的"_s, u"他妈的"_s},
                    FilterCase{u"婊子养的人"_s, u"人"_s},
                    FilterCase{u"shit SHIT Fuck"_s, u" SHIT Fuck"_s},
                    FilterCase{u"黄色色情淫"_s, QString()},
                    FilterCase{u"<b>淫</b>"_s, u"<b></b>"_s},
                    FilterCase{u"甄士隐说话"_s, u"说话"_s}, FilterCase{QString(), QString()}));

struct VoiceCase {
    const char* name;
    QString voiceSet;
    QString voiceId;
    std::uint8_t sex;
    std::uint8_t letter;
    std::uint8_t number;
    std::optional<QString> file;
};

class Voice : public testing::TestWithParam<VoiceCase> {};

TEST_P(Voice, NamesOnlyPlainFilesInTheVoiceFolder) {
    connection::PlayerDetail speaker;
    speaker.voiceSet = GetParam().voiceSet;
    speaker.voiceId = GetParam().voiceId;
    speaker.sex = GetParam().sex;
    EXPECT_EQ(VoiceFileName(u"/v/"_s, speaker, GetParam().letter, GetParam().number),
              GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Voice,
    testing::Values(VoiceCase{"Woman", u"ab"_s, u"12"_s, 0, 'a', 3, u"/v/vab1202a3.wav"_s},
                    VoiceCase{"Man", u"X"_s, u"y"_s, 1, 'a', 0, u"/v/vXy13a0.wav"_s},
                    VoiceCase{"DotDot", u"../x"_s, u"1"_s, 0, 'a', 1, std::nullopt},
                    VoiceCase{"Blank", u"a b"_s, u"1"_s, 0, 'a', 1, std::nullopt},
                    VoiceCase{"Slash", u"a"_s, u"/etc"_s, 0, 'a', 1, std::nullopt},
                    VoiceCase{"NoLetter", u"a"_s, u"1"_s, 0, 0, 1, std::nullopt},
                    VoiceCase{"UpperLetter", u"a"_s, u"1"_s, 0, 'A', 1, std::nullopt},
                    VoiceCase{"DotLetter", u"a"_s, u"1"_s, 0, '.', 1, std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace qv::chat
