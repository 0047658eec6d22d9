#include "hand.h"

#include "rules/can_beat.h"
#include "rules/classify_play.h"
#include "rules/double_deck.h"
#include "rules/rules_state.h"

#include <algorithm>

namespace qv::tools::table {
namespace {

constexpr int kFiveCardBomb = rules::PlayBomb(5);

void removeCards(std::vector<CardCode>& hand, const std::vector<CardCode>& played) {
    for (const CardCode card : played) {
        const auto at = std::find(hand.begin(), hand.end(), card);
        if (at != hand.end()) {
            hand.erase(at);
        }
    }
}

} // namespace

Play classify(std::vector<CardCode> cards) {
    Play play;
    if (cards.empty() || cards.size() > static_cast<std::size_t>(kHandSize)) {
        return play;
    }
    rules::sortHandOrder(cards);
    rules::RulesState state;
    play.type = rules::ClassifyPlay(state, rules::PlayNone, static_cast<int>(cards.size()), cards);
    play.cards = std::move(cards);
    return play;
}

bool beats(const Play& play, const Play& toBeat) {
    if (play.type == rules::PlayNone) {
        return false;
    }
    if (toBeat.type == rules::PlayNone) {
        return true;
    }
    return rules::CanBeat(play.cards, static_cast<int>(play.cards.size()), play.type, toBeat.cards,
                          static_cast<int>(toBeat.cards.size()), toBeat.type);
}

std::uint32_t nextRandom(std::uint32_t& state) {
    if (state == 0) {
        state = 0x9E3779B9U;
    }
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

Deal shuffleAndDeal(std::uint32_t& state) {
    auto deck = rules::doubleDeck();
    for (std::size_t i = deck.size() - 1; i > 0; --i) {
        std::swap(deck[i], deck[nextRandom(state) % (i + 1)]);
    }
    Deal deal;
    for (int seat = 0; seat < kSeats; ++seat) {
        const auto from = deck.begin() + seat * kHandSize;
        deal[static_cast<std::size_t>(seat)].assign(from, from + kHandSize);
    }
    return deal;
}

Hand::Hand(Deal deal, int banker) : dealt_(std::move(deal)), banker_(banker), turn_(banker) {
    hands_ = dealt_;
    for (auto& hand : hands_) {
        rules::sortHandOrder(hand);
    }
}

bool Hand::sameSide(int a, int b) const {
    if (a == b) {
        return true;
    }
    const auto onBankerSide = [this](int seat) {
        return seat == banker_ || seat == partner_;
    };
    return called_ && onBankerSide(a) == onBankerSide(b);
}

void Hand::call(int face, int suitFlag) {
    called_ = true;
    turn_ = banker_;
    const auto holds = [this, face, suitFlag](int seat) {
        return static_cast<int>(
            std::count_if(cards(seat).begin(), cards(seat).end(), [face, suitFlag](CardCode card) {
                return rules::cardFace(card) == face && rules::cardSuit(card) == suitFlag;
            }));
    };
    if (holds(banker_) == 2) {
        return;
    }
    for (int k = 1; k < kSeats; ++k) {
        const int seat = (banker_ + k) % kSeats;
        if (holds(seat) > 0) {
            partner_ = seat;
            return;
        }
    }
}

const std::vector<CardCode>& Hand::cards(int seat) const {
    return hands_[static_cast<std::size_t>(seat)];
}

const std::vector<CardCode>& Hand::dealt(int seat) const {
    return dealt_[static_cast<std::size_t>(seat)];
}

Hand::Refusal Hand::check(std::span<const int> deckIndexes, Play& play) const {
    if (deckIndexes.empty()) {
        return Refusal::Empty;
    }
    std::vector<CardCode> selection;
    for (const int index : deckIndexes) {
        const auto& hand = cards(turn_);
        const auto at = std::find_if(hand.begin(), hand.end(), [index](CardCode card) {
            return rules::cardDeckIndex(card) == index;
        });
        if (at == hand.end()) {
            return Refusal::NotHeld;
        }
        if (std::find(selection.begin(), selection.end(), *at) != selection.end()) {
            return Refusal::Repeated;
        }
        selection.push_back(*at);
    }
    play = classify(std::move(selection));
    if (play.type == rules::PlayNone) {
        return Refusal::NoPlay;
    }
    return beats(play, toBeat_) ? Refusal::None : Refusal::DoesNotBeat;
}

Hand::Step Hand::play(const Play& play) {
    Step step{turn_, play};
    auto& hand = hands_[static_cast<std::size_t>(turn_)];
    removeCards(hand, play.cards);
    if (play.type >= kFiveCardBomb) {
        bombs_[static_cast<std::size_t>(turn_)].push_back(static_cast<int>(play.cards.size()));
    }
    if (hand.empty()) {
        finished_.push_back(turn_);
    }
    toBeat_ = play;
    lastPlayer_ = turn_;
    passes_ = 0;
    return advance(std::move(step));
}

Hand::Step Hand::pass() {
    ++passes_;
    Step step;
    step.seat = turn_;
    return advance(std::move(step));
}

int Hand::nextActive(int seat) const {
    for (int k = 1; k <= kSeats; ++k) {
        const int next = (seat + k) % kSeats;
        if (active(next)) {
            return next;
        }
    }
    return seat;
}

Hand::Step Hand::advance(Step step) {
    if (finished_.size() >= static_cast<std::size_t>(kSeats - 1)) {
        over_ = true;
        return step;
    }
    int others = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        others += seat != lastPlayer_ && active(seat) ? 1 : 0;
    }
    if (passes_ < others) {
        turn_ = nextActive(step.seat);
        step.next = turn_;
        return step;
    }
    step.trickOver = true;
    toBeat_ = {};
    passes_ = 0;
    turn_ = lastPlayer_;
    if (!active(lastPlayer_)) {
        turn_ = nextActive(lastPlayer_);
        for (int k = 1; k < kSeats; ++k) {
            const int seat = (lastPlayer_ + k) % kSeats;
            if (active(seat) && sameSide(seat, lastPlayer_)) {
                turn_ = seat;
                step.jieFeng = true;
                break;
            }
        }
    }
    step.next = turn_;
    return step;
}

std::array<int, kSeats> Hand::places() const {
    std::vector<int> order = finished_;
    std::vector<int> rest;
    for (int k = 0; k < kSeats; ++k) {
        const int seat = (banker_ + k) % kSeats;
        if (active(seat)) {
            rest.push_back(seat);
        }
    }
    std::stable_sort(rest.begin(), rest.end(),
                     [this](int a, int b) { return cards(a).size() < cards(b).size(); });
    order.insert(order.end(), rest.begin(), rest.end());
    std::array<int, kSeats> places{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        places[static_cast<std::size_t>(order[i])] = static_cast<int>(i) + 1;
    }
    return places;
}

} // namespace qv::tools::table
