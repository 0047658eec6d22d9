#include "chat/chat_filter.h"

#include <array>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

// Four personal names first, then the words themselves; the order matters, since one word's
// removal may join the halves of another.
const std::array<QString, 15> kFilteredWords = {
    u"甄士隐"_s, u"贾雨村"_s, u"冷子兴"_s, u"林如海"_s,   u"法轮功"_s,
    u"他妈的"_s, u"她妈的"_s, u"它妈的"_s, u"婊子养的"_s, u"婊子"_s,
    u"淫"_s,     u"色情"_s,   u"黄色"_s,   u"shit"_s,     u"fuck"_s,
};

} // namespace

QString FilterChat(QString text) {
    for (const QString& word : kFilteredWords) {
        text.remove(word, Qt::CaseSensitive);
    }
    return text;
}

} // namespace qv::chat
