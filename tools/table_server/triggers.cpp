#include "triggers.h"

#include "common/gbk.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

/// The removal reason's field on the wire.
constexpr int kReasonBytes = 200;
constexpr int kLastSeat = 3;

/// "own" or a seat 1 to 3; -1 for anything else.
int readSeat(const QString& word, bool ownAllowed) {
    if (ownAllowed && word == u"own"_s) {
        return 0;
    }
    bool ok = false;
    const int seat = word.toInt(&ok);
    return ok && seat >= 1 && seat <= kLastSeat && word == QString::number(seat) ? seat : -1;
}

ParsedTrigger parseState(const QStringList& words) {
    Trigger trigger;
    const QString value = words.value(1);
    if (value != u"0"_s && value != u"1"_s && value != u"2"_s) {
        return u"state takes 0, 1 or 2"_s;
    }
    trigger.state = value.toInt();
    for (const QString& word : words.mid(2)) {
        bool& flag = word == u"random"_s ? trigger.randomSeats : trigger.showSeatChange;
        if (trigger.state != 0 || (word != u"random"_s && word != u"now"_s) || flag) {
            return u"state 0 takes only random and now, each once; states 1 and 2 take nothing"_s;
        }
        flag = true;
    }
    return trigger;
}

ParsedTrigger parseWealth(const QStringList& words) {
    static const QRegularExpression number(u"^-?[0-9]{1,10}$"_s);
    bool ok = false;
    const qlonglong value = words.value(1).toLongLong(&ok);
    if (words.size() != 2 || !number.match(words[1]).hasMatch() || !ok ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return u"wealth takes one whole number from -2147483648 to 2147483647"_s;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Wealth;
    trigger.multiple = static_cast<std::int32_t>(value);
    return trigger;
}

ParsedTrigger parseSeat(const QStringList& words, Trigger::Kind kind, bool ownAllowed) {
    const int seat = words.size() == 2 ? readSeat(words[1], ownAllowed) : -1;
    if (seat < 0) {
        return words[0] +
               (ownAllowed ? u" takes own or a seat 1 to 3"_s : u" takes a seat 1 to 3"_s);
    }
    Trigger trigger;
    trigger.kind = kind;
    trigger.seat = seat;
    return trigger;
}

ParsedTrigger parseRemove(const QString& line) {
    Trigger trigger;
    trigger.kind = Trigger::Kind::Remove;
    // The reason is the rest of the line after the command word, which opens it.
    trigger.reason = line.trimmed().mid(QStringView(u"remove").size()).trimmed();
    const auto bytes = toGbk(trigger.reason);
    if (!bytes) {
        return u"the reason has a character without a GBK form"_s;
    }
    if (bytes->size() > kReasonBytes) {
        return u"the reason is longer than 200 GBK bytes"_s;
    }
    return trigger;
}

/// The rest of the line after its first `words` words.
QString restOfLine(const QString& line, int words) {
    static const QRegularExpression word(u"^\\s*\\S+"_s);
    QString rest = line;
    for (int i = 0; i < words; ++i) {
        rest.remove(word);
    }
    return rest.trimmed();
}

ParsedTrigger parseGoods(const QStringList& words, Trigger::Kind kind) {
    Trigger trigger;
    trigger.kind = kind;
    for (const QString& word : words.mid(1)) {
        const auto goods = readGoods(word);
        if (!goods) {
            return u"goods are written id:count, id 0 to 65535, count 0 to 2147483647"_s;
        }
        trigger.goods.push_back(*goods);
    }
    if (kind == Trigger::Kind::Item && trigger.goods.size() != 1) {
        return u"item takes one id:count"_s;
    }
    if (trigger.goods.size() > 42) {
        return u"a bag list holds at most 42 goods"_s;
    }
    return trigger;
}

ParsedTrigger parseText(const QString& line, Trigger::Kind kind, std::int16_t mode, int words) {
    Trigger trigger;
    trigger.kind = kind;
    trigger.mode = mode;
    trigger.reason = restOfLine(line, words);
    const auto bytes = toGbk(trigger.reason);
    if (!bytes) {
        return u"the text has a character without a GBK form"_s;
    }
    if (bytes->size() > 236) {
        return u"the text is longer than 236 GBK bytes"_s;
    }
    return trigger;
}

ParsedTrigger parsePool(const QStringList& words) {
    static const QRegularExpression digits(u"^[0-9]{1,20}$"_s);
    if (words.size() != 2 || !digits.match(words[1]).hasMatch()) {
        return u"pool takes one amount of 1 to 20 digits"_s;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Notice;
    trigger.mode = 1;
    trigger.reason = words[1];
    return trigger;
}

ParsedTrigger parseNotice(const QString& line, const QStringList& words) {
    bool ok = false;
    const int mode = words.value(1).toInt(&ok);
    if (!ok || mode < -32768 || mode > 32767) {
        return u"notice takes a mode (a signed 16-bit number) and a text"_s;
    }
    return parseText(line, Trigger::Kind::Notice, static_cast<std::int16_t>(mode), 2);
}

ParsedTrigger parseColoured(const QString& line, const QStringList& words) {
    std::array<std::uint8_t, 3> rgb{};
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        bool ok = false;
        const int value = words.value(static_cast<qsizetype>(i) + 1).toInt(&ok);
        if (!ok || value < 0 || value > 255) {
            return u"coloured takes red, green and blue (0 to 255) and a text"_s;
        }
        rgb[i] = static_cast<std::uint8_t>(value);
    }
    auto parsed = parseText(line, Trigger::Kind::Notice, 6, 4);
    if (auto* trigger = std::get_if<Trigger>(&parsed)) {
        trigger->rgb = rgb;
    }
    return parsed;
}

ParsedTrigger parsePlugin(const QStringList& words) {
    const QString value = words.value(1);
    if (words.size() != 2 || (value != u"44"_s && value != u"45"_s && value != u"46"_s)) {
        return u"plugin takes 44, 45 or 46"_s;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Plugin;
    trigger.command = value.toInt();
    return trigger;
}

} // namespace

ParsedTrigger parseTrigger(const QString& line) {
    static const QRegularExpression blanks(u"\\s+"_s);
    const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
    const QString command = words.value(0);
    if (command == u"state"_s) {
        return parseState(words);
    }
    if (command == u"wealth"_s) {
        return parseWealth(words);
    }
    if (command == u"short"_s) {
        return parseSeat(words, Trigger::Kind::CoinsShort, true);
    }
    if (command == u"ready"_s) {
        return parseSeat(words, Trigger::Kind::Ready, true);
    }
    if (command == u"leave"_s) {
        return parseSeat(words, Trigger::Kind::Leave, false);
    }
    if (command == u"remove"_s) {
        return parseRemove(line);
    }
    if (command == u"plugin"_s) {
        return parsePlugin(words);
    }
    if (command == u"bag"_s) {
        return parseGoods(words, Trigger::Kind::Bag);
    }
    if (command == u"item"_s) {
        return parseGoods(words, Trigger::Kind::Item);
    }
    if (command == u"pool"_s) {
        return parsePool(words);
    }
    if (command == u"marquee"_s) {
        return parseText(line, Trigger::Kind::Marquee, 0, 1);
    }
    if (command == u"notice"_s) {
        return parseNotice(line, words);
    }
    if (command == u"coloured"_s) {
        return parseColoured(line, words);
    }
    return u"unknown command \"%1\""_s.arg(command);
}

QString triggerHelp() {
    return uR"(

Triggers: each line on the standard input (and each --at-hand-end line) makes
the table send at once what it names; a bad line is reported on the standard
error and ignored, a blank line is skipped. Seats are counted from the player in
the order of play: 1 the seat after him, 2 the one opposite, 3 the one before
him; own is the player's.
  state 0 [random] [now]  the table waits for the next hand; random: seats change
                          at random before it, now: show the seat change at once
                          (the client prepares the seat change once after a
                          login, a deal or a state 2)
  state 1                 nothing more (the client stops its countdown animation)
  state 2                 a hand is near: the client arms its seat change again
  wealth N                the table's wealth multiple becomes N (a signed 32-bit
                          number), sent now with the waiting state and with every
                          later seating and waiting state; the client shows it
                          once a seating has told it the table doubles wealth
  short own               the player is short of coins: a running hand is given
                          up and the table waits for his leave
  short 1|2|3             that seat is short of coins and its player leaves as
                          with leave
  remove TEXT             the player is removed with the reason TEXT (at most 200
                          bytes in GBK; may be empty): a running hand is given up
                          and the table waits for his leave
  ready own|1|2|3         that seat's ready message; while the table waits it
                          counts as the seat getting ready (the hand is dealt
                          when every seat is)
  leave 1|2|3             that computer player leaves and a new one sits down
                          (that seat's seating message). While the table waits
                          nothing else changes. During a hand the hand is given
                          up, as the client does when a player leaves before the
                          waiting state: no result, every seat unready, the
                          waiting state follows; the client restarts its ready
                          countdown and the next hand is dealt once everybody is
                          ready again. A hand given up does not count for --hands.
  bag ID:COUNT ...        the player's whole item bag (goods 3 are cigarettes, the
                          chips' limit); at most 42 goods; "bag" alone empties it
  item ID:COUNT           the new count of one goods (0 takes it from the bag)
  pool AMOUNT             the prize pool's amount (mode-1 notice); the table also
                          answers every pool request of the client with it
  marquee TEXT            a line for the client's scrolling banner
  notice MODE TEXT        a prize notice: 5 a system text ("XX游戏XX" names the
                          product), 7 the own prize "x;prize;x;jade", 8 the
                          wealth multiple, other modes a system text
  coloured R G B TEXT     a banner line in that colour, also a system text; the
                          part before a pair of "XX" markers is dropped
  plugin 44|45|46         a message of the item plug-in with that command (46:
                          the plug-in has a result for the hand); the client
                          hands it to a loaded plug-in

The client's shop messages are noted in the log: its chip setting and purchases
(93), its winners requests (94, answered from --winners) and its pool requests
(95).)"_s;
}

} // namespace qv::tools::table
