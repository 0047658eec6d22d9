#include "settlement/hero_window.h"

#include "forms/form_host.h"
#include "table/window_pictures.h"

#include <algorithm>
#include <memory>

namespace qv::settlement {
namespace {

constexpr double kHeroWidth = 9825;
constexpr double kHeroHeight = 6750;

/// Marks the lists as being moved together while it lives.
class FollowGuard {
public:
    explicit FollowGuard(bool& following) : following_(following) { following_ = true; }
    ~FollowGuard() { following_ = false; }
    FollowGuard(const FollowGuard&) = delete;
    FollowGuard& operator=(const FollowGuard&) = delete;

private:
    bool& following_;
};

} // namespace

Hero::Hero(forms::FormHost& host, TableWindow tableWindow, SheetOpener openSheet)
    : forms::Form(host, u"Hero"_s), tableWindow_(std::move(tableWindow)),
      openSheet_(std::move(openSheet)) {
    setCaption(u"英雄榜"_s);
    setBorderStyle(0);
    move(0, 0, kHeroWidth, kHeroHeight);
    const table::WindowPictures pictures(name());
    setPicture(pictures.stored(u"background"_s, -1));
    forms::applyDesign(design(), pictures);
    events.load = [this] {
        Form_Load();
    };
    events.mouseMove = [this](int, int, double, double) {
        buttons_.restore();
    };
    Num.events.click = [this] {
        Num_Click();
    };
    Num.events.dblClick = [this] {
        Num_DblClick();
    };
    Grade.events.click = [this](int n) {
        Grade_Click(n);
    };
    Grade.events.dblClick = [this](int n) {
        Grade_DblClick(n);
    };
}

void Hero::Form_Load() {
    centreOverTable();
    setWindowState(forms::window_state::kNormal);
    for (ListBox* list : Grade.elements()) {
        if (list->listCount() > 0) {
            list->setTopIndex(list->listCount() - 1);
        }
    }
}

void Hero::follow(ListBox& list, int index, int top) {
    // Lists of unequal length (a hand whose rows named one seat twice) follow as far as they go.
    if (index >= -1 && index < list.listCount()) {
        list.setListIndex(index);
    }
    if (top >= 0 && top < std::max(1, list.listCount())) {
        list.setTopIndex(top);
    }
}

void Hero::Num_Click() {
    if (following_) {
        return;
    }
    const FollowGuard guard(following_);
    for (ListBox* list : Grade.elements()) {
        follow(*list, Num.listIndex(), Num.topIndex());
    }
}

void Hero::Grade_Click(int n) {
    if (following_) {
        return;
    }
    const FollowGuard guard(following_);
    const ListBox& clicked = Grade(n);
    follow(Num, clicked.listIndex(), clicked.topIndex());
    for (ListBox* list : Grade.elements()) {
        if (list != &clicked) {
            follow(*list, clicked.listIndex(), clicked.topIndex());
        }
    }
}

void Hero::Num_DblClick() {
    openSheet_(Num.listIndex() + 1);
}

void Hero::Grade_DblClick(int n) {
    openSheet_(Grade(n).listIndex() + 1);
}

void Hero::centreOverTable() {
    settlement::centreOverTable(*this, tableWindow_ ? tableWindow_() : nullptr);
}

void registerSettlementForms(forms::FormHost& host, const TableWindow& tableWindow,
                             const SheetOpener& openSheet) {
    host.registerForm<Score>([tableWindow](forms::FormHost& formHost) {
        return std::make_unique<Score>(formHost, tableWindow);
    });
    host.registerForm<Hero>([tableWindow, openSheet](forms::FormHost& formHost) {
        return std::make_unique<Hero>(formHost, tableWindow, openSheet);
    });
}

} // namespace qv::settlement
