#include "chat/quick_phrases.h"

#include "chat/chat_context.h"
#include "chat/chat_frame.h"
#include "chat/chat_sending.h"
#include "chat/voice_file.h"
#include "common/ini_file.h"
#include "common/picture_resources.h"
#include "common/sound.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kMostPhrases = 255;
constexpr int kLeftTab = 516;
constexpr int kRightTab = 517;
constexpr int kLeftTabHover = 518;
constexpr int kRightTabHover = 519;

void fill(forms::ListBox& list, const IniKeys& ini, const QString& section) {
    const int count = std::min(PhraseCount(ini.GetIniKey(section, u"num"_s)), kMostPhrases);
    for (int i = 1; i <= count; ++i) {
        list.addItem(ini.GetIniKey(section, QString::number(i)));
    }
}

void tab(forms::Image& picture, int resId) {
    common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, picture);
}

/// Sends the selected phrase of `list` as `kind`; false when nothing was taken (not logged in,
/// an empty list or no selection).
bool sendPhrase(ChatContext& ctx, const forms::ListBox& list, ChatKind kind) {
    if (!ctx.conn.g_bLoggedIn || list.listCount() == 0 || list.listIndex() < 0) {
        return false;
    }
    connection::GameMessage msg = ChatMessageFrom(ctx.hand.custom[0].seat);
    msg.setU8(kChatKindByte, kind);
    if (kind == kVoicedPhrase) {
        msg.setU8(kChatVoiceLetterByte, kVoiceLetter);
    }
    msg.setU8(kChatPhraseByte, static_cast<std::uint8_t>(list.listIndex() + 1));
    ComposeChatText(ctx, msg, list.text(), HoldsPrivatePrefix(ctx, ctx.form.Chat.text()));
    ctx.form.Chat.setText(QString());
    ctx.chat.ChatTargetPrefix.clear();
    connection::QueueFrame(ctx.conn, msg);
    return true;
}

void close(ChatContext& ctx, table::huifu& phrases) {
    phrases.hide();
    ctx.form.Chat.setFocus();
}

} // namespace

int PhraseCount(const QString& num) {
    static const QRegularExpression leading(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"_s);
    const QRegularExpressionMatch match = leading.match(num);
    if (!match.hasMatch()) {
        return 0;
    }
    const double value = std::nearbyint(match.captured(0).trimmed().toDouble());
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<int>(value);
}

void huifu_Form_Load(const ChatContext& ctx, table::huifu& phrases) {
    phrases.setOpacity(200);
    const QString path = ctx.services.appFolder.path() + u"/chat.ini"_s;
    if (!QFileInfo(path).isFile()) {
        return;
    }
    classIniFile file;
    file.setINIFileName(path);
    const IniKeys ini = file.ReadIniKeys();
    fill(phrases.List1, ini, u"Phrase1"_s);
    fill(phrases.List2, ini, u"Phrase2"_s);
}

void List1_DblClick(ChatContext& ctx, table::huifu& phrases) {
    if (sendPhrase(ctx, phrases.List1, kPlainPhrase)) {
        close(ctx, phrases);
    }
}

void List2_DblClick(ChatContext& ctx, table::huifu& phrases) {
    if (!sendPhrase(ctx, phrases.List2, kVoicedPhrase)) {
        return;
    }
    ctx.sound.StopSound();
    const auto number = static_cast<std::uint8_t>(phrases.List2.listIndex() + 1);
    if (const auto file =
            VoiceFileName(ctx.sound.VoicePath2, ctx.conn.Detail[0], kVoiceLetter, number)) {
        ctx.sound.PlaySoundFile(*file, false);
        ctx.sound.SetSoundVolume(common::kFullVolume);
    }
    close(ctx, phrases);
}

void Picture1_Click(table::huifu& phrases) {
    phrases.List2.setVisible(true);
    phrases.List1.setVisible(false);
    tab(phrases.Picture1, kLeftTab);
    tab(phrases.Picture2, kRightTab);
}

void Picture2_Click(table::huifu& phrases) {
    phrases.List1.setVisible(true);
    phrases.List2.setVisible(false);
    tab(phrases.Picture2, kRightTab);
    tab(phrases.Picture1, kLeftTab);
}

void Picture1_MouseMove(table::huifu& phrases) {
    tab(phrases.Picture1, kLeftTabHover);
}

void Picture2_MouseMove(table::huifu& phrases) {
    tab(phrases.Picture2, kRightTabHover);
}

} // namespace qv::chat
