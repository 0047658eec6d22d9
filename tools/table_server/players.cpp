#include "players.h"

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

constexpr std::int64_t kHumanCoins = 100000;
constexpr std::int64_t kComputerCoins = 50000;
constexpr int kTen = 10;

QString chineseNumber(int n) {
    static const QString digits = u"〇一二三四五六七八九"_s;
    if (n < kTen) {
        return digits.at(n);
    }
    const QString tens = n / kTen == 1 ? QString() : QString(digits.at(n / kTen));
    const QString ones = n % kTen == 0 ? QString() : QString(digits.at(n % kTen));
    return tens + u"十"_s + ones;
}

} // namespace

QString levelName(int level) {
    return u"第"_s + chineseNumber(level) + u"级"_s;
}

SeatedPlayer humanPlayer(const QByteArray& account) {
    SeatedPlayer player;
    player.nickname = QString::fromLatin1(account);
    player.account = account;
    player.face = "m1";
    player.sex = 1;
    player.coins = kHumanCoins;
    player.level = 1;
    player.levelName = levelName(player.level);
    player.location = u"本地"_s;
    player.nameTag = u"玩家"_s;
    return player;
}

SeatedPlayer computerPlayer(int number) {
    static const QString names = u"甲乙丙丁戊己庚辛壬癸"_s;
    SeatedPlayer player;
    player.nickname = u"电脑"_s + names.at((number - 1) % names.size()) +
                      (number > names.size() ? QString::number(number) : QString());
    player.account = "cpu" + QByteArray::number(number);
    player.sex = number % 2;
    player.face = (player.sex == 0 ? "w" : "m") + QByteArray::number(1 + number % kTen);
    player.coins = kComputerCoins + 10000 * (number % 3);
    player.level = 1 + number % 5;
    player.levelName = levelName(player.level);
    player.location = u"机房"_s;
    player.nameTag = u"电脑"_s;
    player.vip = number % 4;
    return player;
}

} // namespace qv::tools::table
