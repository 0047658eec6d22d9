#include "stdin_lines.h"
#include "table_server.h"
#include "tournament.h"
#include "triggers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kDescription =
    uR"(Game table stand-in on 127.0.0.1: seats the client's player and three
computer players and plays whole hands with him.

How the table behaves:
- Login: any user name is accepted (an empty one is refused with a verification
  error); the player sits at a random seat, the computer players at the others.
  The reply asks for automatic play after 3 time-outs in a row and carries no
  banner page. The table offers the item plug-in only with --plugin; a
  plug-in's messages to the table are logged and otherwise ignored. With
  --plugin-result command 46 (the plug-in has a result for the hand) goes
  between the two result messages; the trigger lines "plugin 44|45|46" send
  one at once.
- Between hands the table sends its state "waiting" (no seat change, no wealth
  doubling). The computer players get ready after the think time; the hand is
  dealt once the player has sent his ready message too, or, with --deal-after,
  that long after the computer players got ready (before the first hand the
  client sends its ready message from the start button).
- The deal: the shuffled 108-card deck, 27 cards a seat, 20 seconds a turn and
  for the call (--turn-seconds; 2 at least, as the client counts 0 and 1 as
  20), room stake 100. The first banker is drawn; later the first player out
  of the last hand deals. The banker calls a card of face 3 to 9; the partner
  is the first seat after the banker holding a copy of it; a banker holding
  both copies plays alone. The banker leads.
- Computer players lead every card of their lowest face and follow with the
  cheapest play of the same kind that beats (a bomb only against a bomb), else
  they pass. A computer banker calls the lowest card of face 3 to 9 he holds
  one copy of.
- A trick ends when every other player still holding cards has passed; its
  winner leads. When he has gone out, the lead passes to his partner (shown as
  such), or else to the next player.
- The player's plays are checked: out of turn or with an old turn token they are
  ignored; cards he does not hold, cards named twice, cards that form no play, a
  play that does not beat and a pass on a lead are refused, and the server moves
  for him at once as at a time-out: his lowest card on a lead, else a pass. When
  his time runs out (the turn plus 5 seconds) the server moves for him the same
  way; a call that cannot be made is made for him as a computer banker would.
- The hand ends when three seats are out; the fourth takes the last place. A
  seat that goes out reports it with its last play; nothing else is sent. The side
  of the first player out wins: place factor 3 with the first two places, 2 with
  the partner third, 1 with him fourth; alone, factor 2 and three shares for the
  banker. A bomb of five or more cards is worth 5 x 2^(cards - 5) stakes to the
  bomber's side. The results come as two messages (the banker's side first),
  then every seat is announced again with its new coins and level. With
  --reward PRIZE,JADE the player's own prize and jade reward of the hand follow
  the results at once, before the table waits again: the prize notice of mode 7
  with the text "0;PRIZE;1;JADE" (the client rolls a prize of 1000 or more and
  shows jade above 0). A computer
  player short of coins leaves and another sits down; a player short of coins is
  told so and the table closes for him.
- Chat messages are relayed back to the table as they came. After a trick a
  computer player now and then (--phrases rare: one trick in ten, drawn from the
  seed) says a voiced quick phrase: its number 1 to 6 in the voiced phrase list,
  and the line "<his nickname>说道： <phrase>" with his account.
- Leaving the table, or losing the connection between hands, closes the table;
  the next login seats the player anew.
- A connection lost during a hand keeps the hand: the server moves for the absent
  player after the think time. A reconnect request that names the running or the
  last hand (thread and sequence number) is accepted with --reconnect accept and
  every message after the named one is sent again; otherwise it is refused and
  the table closes. When the last hand of --hands ends while the player is away,
  the table waits for his reconnect (at most the turn plus 5 seconds), sends
  him what he missed, the result included, and then closes.
- With --watch the client only watches: four computer players are seated and
  play every hand; the client is told of them from one seat, whose cards it is
  dealt, and its ready messages, calls and plays are ignored. A computer player
  leaving (short of coins, or the line "leave N") ends the watch, as the client
  ends a watch whenever a player leaves.)"_s;

std::optional<qv::tools::table::PhraseMode> phraseMode(const QString& name) {
    using qv::tools::table::PhraseMode;
    if (name == u"off"_s) {
        return PhraseMode::Off;
    }
    if (name == u"rare"_s) {
        return PhraseMode::Rare;
    }
    if (name == u"always"_s) {
        return PhraseMode::Always;
    }
    return std::nullopt;
}

/// "PRIZE,JADE" as the own-prize notice's text, or nothing.
std::optional<QString> rewardText(const QString& value) {
    const QStringList parts = value.split(u',');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool prizeOk = false;
    bool jadeOk = false;
    const qulonglong prize = parts[0].toULongLong(&prizeOk);
    const qulonglong jade = parts[1].toULongLong(&jadeOk);
    if (!prizeOk || !jadeOk) {
        return std::nullopt;
    }
    return u"0;%1;1;%2"_s.arg(prize).arg(jade);
}

} // namespace

// The table server: one table, one client, real hands. Prints the port it listens on.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription + qv::tools::table::tournamentHelp() +
                                     qv::tools::table::triggerHelp());
    parser.addHelpOption();
    const QCommandLineOption tournamentOpt(u"tournament"_s, u"Offer tournaments"_s);
    const QCommandLineOption tournamentUrlOpt(
        u"tournament-url"_s, u"Announce this configuration address instead of serving one"_s,
        u"url"_s);
    const QCommandLineOption tournamentConfigOpt(
        u"tournament-config"_s, u"Serve and announce this configuration file"_s, u"file"_s);
    const QCommandLineOption tournamentWrongOpt(u"tournament-wrong-digest"_s,
                                                u"Announce a digest that matches nothing"_s);
    const QCommandLineOption tournamentStartOpt(
        u"tournament-start"_s, u"Seconds from the login to the run's start"_s, u"s"_s, u"60"_s);
    const QCommandLineOption tournamentLengthOpt(u"tournament-length"_s, u"Seconds the run lasts"_s,
                                                 u"s"_s, u"120"_s);
    const QCommandLineOption tournamentWindowOpt(
        u"tournament-window"_s, u"Automatic sign-up window (0: none)"_s, u"s"_s, u"120"_s);
    parser.addOptions({tournamentOpt, tournamentUrlOpt, tournamentConfigOpt, tournamentWrongOpt,
                       tournamentStartOpt, tournamentLengthOpt, tournamentWindowOpt});
    const QCommandLineOption portOpt(u"port"_s, u"Port, 0 for any free one"_s, u"port"_s, u"0"_s);
    const QCommandLineOption portFileOpt(u"port-file"_s, u"Write the port here"_s, u"file"_s);
    const QCommandLineOption seedOpt(u"seed"_s,
                                     u"Seed of the seats and deals (default: the clock)"_s, u"n"_s);
    const QCommandLineOption delayOpt(u"delay"_s, u"Computer players' think time"_s, u"ms"_s,
                                      u"800"_s);
    const QCommandLineOption handsOpt(
        u"hands"_s, u"Close one second after the result of this many hands (0: play on)"_s, u"n"_s,
        u"0"_s);
    const QCommandLineOption dropOpt(u"drop-after-plays"_s,
                                     u"Drop the connection once, after this many play messages"_s,
                                     u"n"_s, u"0"_s);
    const QCommandLineOption cutOpt(
        u"cut-at-play"_s,
        u"Drop the connection once, in the middle of this play message (its first 100 bytes sent)"_s,
        u"n"_s, u"0"_s);
    const QCommandLineOption reconnectOpt(u"reconnect"_s, u"Reconnect requests: accept or refuse"_s,
                                          u"mode"_s, u"accept"_s);
    const QCommandLineOption turnOpt(u"turn-seconds"_s,
                                     u"Seconds of every turn and of the partner call (2 to 255)"_s,
                                     u"s"_s, u"20"_s);
    const QCommandLineOption dealAfterOpt(
        u"deal-after"_s,
        u"Deal this long after the computer players are ready (0: wait for the player)"_s, u"ms"_s,
        u"0"_s);
    const QCommandLineOption logOpt(u"log"_s, u"Log every message in and out to this file"_s,
                                    u"file"_s);
    const QCommandLineOption phrasesOpt(
        u"phrases"_s, u"Computer players' quick phrases: off, rare or always (after every trick)"_s,
        u"mode"_s, u"rare"_s);
    const QCommandLineOption watchOpt(
        u"watch"_s, u"The client watches (the lobby stand-in's --watch): see above"_s);
    const QCommandLineOption atHandEndOpt(
        u"at-hand-end"_s, u"Run this trigger line at the end of every hand (repeatable)"_s,
        u"line"_s);
    const QCommandLineOption rewardOpt(
        u"reward"_s,
        u"The player's own prize and jade after every hand, sent with the result (see above)"_s,
        u"prize,jade"_s);
    const QCommandLineOption bagOpt(
        u"bag"_s, u"The player's item bag, sent once he is seated, as \"id:count id:count\""_s,
        u"goods"_s);
    const QCommandLineOption poolOpt(u"pool"_s, u"The prize pool's amount, sent on request"_s,
                                     u"amount"_s);
    const QCommandLineOption winnersOpt(
        u"winners"_s,
        u"The winner records to answer requests from, one a line as "
        u"\"id;nickname;time;remark;value16;value32;kind;goods:count ...\""_s,
        u"file"_s);
    const QCommandLineOption pluginOpt(
        u"plugin"_s, u"Offer the item plug-in: byte 255 of every seating is 0, not 1"_s);
    const QCommandLineOption pluginResultOpt(
        u"plugin-result"_s,
        u"Tell the item plug-in of every hand's result: command 46 after the first result"_s);
    parser.addOptions({portOpt, portFileOpt, seedOpt,      delayOpt,     handsOpt,
                       dropOpt, cutOpt,      reconnectOpt, logOpt,       dealAfterOpt,
                       turnOpt, phrasesOpt,  watchOpt,     atHandEndOpt, rewardOpt,
                       bagOpt,  poolOpt,     winnersOpt,   pluginOpt,    pluginResultOpt});
    parser.process(app);

    const QString reconnect = parser.value(reconnectOpt);
    if (reconnect != u"accept"_s && reconnect != u"refuse"_s) {
        std::fprintf(stderr, "table_server: --reconnect takes accept or refuse\n");
        return 2;
    }
    qv::tools::table::TableServer::Options options;
    options.port = static_cast<std::uint16_t>(parser.value(portOpt).toUInt());
    options.seed = parser.isSet(seedOpt)
                       ? parser.value(seedOpt).toUInt()
                       : static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    options.delayMs = parser.value(delayOpt).toInt();
    options.hands = parser.value(handsOpt).toInt();
    options.dropAfterPlays = parser.value(dropOpt).toInt();
    if (parser.isSet(cutOpt)) {
        if (parser.isSet(dropOpt)) {
            std::fprintf(stderr, "table_server: take --drop-after-plays or --cut-at-play\n");
            return 2;
        }
        options.dropAfterPlays = parser.value(cutOpt).toInt();
        options.dropMidMessage = true;
    }
    options.acceptReconnect = reconnect == u"accept"_s;
    options.logPath = parser.value(logOpt);
    options.turnSeconds = parser.value(turnOpt).toInt();
    if (options.turnSeconds < 2 || options.turnSeconds > 255) {
        std::fprintf(stderr, "table_server: --turn-seconds takes 2 to 255\n");
        return 2;
    }
    options.dealAfterMs = parser.value(dealAfterOpt).toInt();
    options.pluginAllowed = parser.isSet(pluginOpt);
    options.pluginResult = parser.isSet(pluginResultOpt);
    const auto phrases = phraseMode(parser.value(phrasesOpt));
    if (!phrases) {
        std::fprintf(stderr, "table_server: --phrases takes off, rare or always\n");
        return 2;
    }
    options.phrases = *phrases;
    options.watch = parser.isSet(watchOpt);
    for (const QString& line : parser.values(atHandEndOpt)) {
        const auto parsed = qv::tools::table::parseTrigger(line);
        if (const auto* error = std::get_if<QString>(&parsed)) {
            std::fprintf(stderr, "table_server: --at-hand-end \"%s\": %s\n", qPrintable(line),
                         qPrintable(*error));
            return 2;
        }
        options.atHandEnd.push_back(std::get<qv::tools::table::Trigger>(parsed));
    }

    if (parser.isSet(rewardOpt)) {
        const auto reward = rewardText(parser.value(rewardOpt));
        if (!reward) {
            std::fprintf(stderr, "table_server: --reward takes two whole numbers as PRIZE,JADE\n");
            return 2;
        }
        options.reward = *reward;
    }

    for (const QString& word : parser.value(bagOpt).split(u' ', Qt::SkipEmptyParts)) {
        const auto goods = qv::tools::table::readGoods(word);
        if (!goods) {
            std::fprintf(stderr, "table_server: --bag takes goods as id:count\n");
            return 2;
        }
        options.bag.push_back(*goods);
    }
    options.pool = parser.value(poolOpt);
    if (parser.isSet(winnersOpt)) {
        const auto records = qv::tools::table::readWinners(parser.value(winnersOpt));
        if (!records) {
            std::fprintf(stderr, "table_server: --winners: the file cannot be read or has a "
                                 "malformed line\n");
            return 2;
        }
        options.winners = *records;
    }

    qv::tools::table::TableServer server(options);
    if (!server.listen()) {
        std::fprintf(stderr, "table_server: cannot listen or write the log\n");
        return 2;
    }
    server.onFinished = [] {
        QCoreApplication::exit(0);
    };
    qv::tools::table::Tournament::Options tournamentOptions;
    tournamentOptions.url = parser.value(tournamentUrlOpt);
    if (parser.isSet(tournamentConfigOpt)) {
        QFile config(parser.value(tournamentConfigOpt));
        if (!config.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "table_server: cannot read the tournament configuration\n");
            return 2;
        }
        tournamentOptions.config = config.readAll();
    }
    tournamentOptions.wrongDigest = parser.isSet(tournamentWrongOpt);
    tournamentOptions.startAfter = parser.value(tournamentStartOpt).toInt();
    tournamentOptions.length = parser.value(tournamentLengthOpt).toInt();
    tournamentOptions.signUpWindow = parser.value(tournamentWindowOpt).toInt();
    qv::tools::table::Tournament tournament(
        tournamentOptions, [&server](const auto& message) { server.sendOutside(message); });
    if (parser.isSet(tournamentOpt)) {
        if (!tournament.listen()) {
            std::fprintf(stderr, "table_server: cannot serve the tournament configuration\n");
            return 2;
        }
        server.onLogin = [&tournament](const QString& nickname) {
            tournament.loggedIn(nickname);
        };
        server.onOther = [&tournament](const auto& message) {
            return tournament.handle(message);
        };
    }
    const qv::tools::table::StdinLines triggers([&server](const QString& line) {
        if (line.trimmed().isEmpty()) {
            return;
        }
        const auto parsed = qv::tools::table::parseTrigger(line);
        const auto* trigger = std::get_if<qv::tools::table::Trigger>(&parsed);
        const auto error = trigger ? server.trigger(*trigger) : std::get<QString>(parsed);
        if (error) {
            std::fprintf(stderr, "table_server: \"%s\" ignored: %s\n", qPrintable(line.trimmed()),
                         qPrintable(*error));
        }
    });
    if (parser.isSet(portFileOpt)) {
        QFile portFile(parser.value(portFileOpt));
        if (portFile.open(QIODevice::WriteOnly)) {
            portFile.write(QByteArray::number(server.port()) + '\n');
        }
    }
    std::printf("table_server: listening on 127.0.0.1:%u, seed %u\n", server.port(), options.seed);
    std::fflush(stdout);
    return QCoreApplication::exec();
}
