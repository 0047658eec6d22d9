#include "expected_layout.h"

using namespace Qt::StringLiterals;

namespace qv::table::testing_support {

std::vector<ExpectedRect> expectedSeatLayout(double s) {
    const bool small = s < 1.0;
    std::vector<ExpectedRect> e = {
        {u"Tou"_s, 0, 10 * s, 668 * s, 85 * s, 90 * s},
        {u"Tou"_s, 1, 7 * s, 15 * s, 70 * s, 62 * s},
        {u"Tou"_s, 2, 350 * s, 15 * s, 70 * s, 62 * s},
        {u"Tou"_s, 3, 693 * s, 15 * s, 70 * s, 62 * s},
        {u"AnNiu"_s, 0, 573 * s, 730 * s, 50 * s, 30 * s},
        {u"ImgJadeExch"_s, -1, 0, 623 * s, -1, -1},
        {u"imgword1"_s, -1, 635 * s, 660 * s, -1, -1},
        {u"imgword2"_s, -1, 653 * s, 660 * s, -1, -1},
        {u"ImgJadeTask"_s, -1, 3 * s, 450 * s, -1, -1},
        {u"Location"_s, -1, 760 * s, 668 * s, 161, 25},
        {u"imgLocation"_s, -1, 632 * s, 654 * s, 394 * s, 39 * s},
        {u"Bank"_s, -1, 699 * s, 658 * s, small ? 54 * s : 54, small ? 31 * s : 31},
        {u"PicLocal"_s, 0, 9 * s, 742 * s, 87 * s, 17 * s},
    };
    // The button rows: 1 to 4 along the upper row, 5 to 8 under them.
    for (int i = 1; i <= 8; ++i) {
        const int column = (i - 1) % 4;
        const double top = i <= 4 ? 699 : 731;
        e.push_back({u"AnNiu"_s, i, (648 + 70 * column) * s, top * s, 60 * s, 30 * s});
    }
    const double nameLeft[] = {181, 165, 509, 852};
    const double nameTop[] = {700, 15, 15, 15};
    const double moneyTop[] = {724, 40, 40, 40};
    const double levelTop[] = {744, 64, 64, 64};
    const double vip[][2] = {{68, 730}, {50, 60}, {394, 60}, {740, 60}};
    const double ok[][2] = {{460, 600}, {80, 280}, {460, 130}, {880, 280}};
    const double place[][2] = {{460, 600}, {60, 320}, {460, 120}, {900, 320}};
    const double emoticon[][2] = {{510, 441}, {197, 341}, {452, 165}, {752, 262}};
    for (int i = 0; i < 4; ++i) {
        const double left = nameLeft[i] * s;
        e.push_back({u"Nid"_s, i, left, nameTop[i] * s, 161, 25});
        e.push_back({u"Cash"_s, i, left, moneyTop[i] * s, 161, 17});
        e.push_back({u"Level"_s, i, left, levelTop[i] * s, 161, 17});
        e.push_back({u"lbl_score"_s, i, left, moneyTop[i] * s, 145, 25});
        e.push_back({u"lbl_sort"_s, i, left, levelTop[i] * s, 161, 17});
        e.push_back({u"img_vip"_s, i, vip[i][0] * s, vip[i][1] * s, 41, 35});
        e.push_back({u"OK"_s, i, ok[i][0] * s, ok[i][1] * s, 70, 29});
        e.push_back({u"first"_s, i, place[i][0] * s, place[i][1] * s, 70, 29});
        e.push_back({u"ucAni_BBQS"_s, i, emoticon[i][0] * s, emoticon[i][1] * s, 65 * s, 65 * s});
    }
    for (int i = 0; i < 3; ++i) {
        e.push_back({u"Picture_ani"_s, i, 458 * s, 370 * s, 111 * s, 133 * s});
    }
    // Video frames at Top 3 whatever the scale, strips starting at each frame's right edge.
    const double frameLeft[] = {0, 342 * s, 685 * s};
    const double showLeft[] = {32, 375, 720};
    for (int i = 1; i <= 3; ++i) {
        const double left = frameLeft[i - 1];
        e.push_back({u"ImgKuang"_s, i, left, 3, 126 * s, 105 * s});
        e.push_back({u"PicLocal"_s, i, left + 126 * s, 88 * s, 145 * s, 17 * s});
        e.push_back({u"ImgShow"_s, i, showLeft[i - 1] * s, 80 * s, 16 * s, 14 * s});
    }
    const double strip0[] = {10.0 / 3.0, 24, 136.0 / 3.0, 64};
    const double strips[] = {8, 40, 72, 104};
    for (int i = 0; i < 16; ++i) {
        const double left = i < 4 ? strip0[i] : strips[i % 4];
        e.push_back({u"ImCmd"_s, i, left * s, 0, 16 * s, 14 * s});
    }
    return e;
}

std::vector<ExpectedRect> expectedTableLayout(double s, double w) {
    const bool small = s < 1.0;
    const double playWidth = small ? 65 * s : 60;
    const double playHeight = small ? 45 * s : 40;
    const double sortWidth = small ? 70 * s : 62;
    const double sortHeight = small ? 30 * s : 25;
    const double plateTop = 654 * s;
    const double tickerHeight = small ? (26 * s + 4) / 2 : 13;
    const double tickerTop = small ? 696 * s - 2 : 696;
    std::vector<ExpectedRect> e = {
        {u"Time_Img"_s, -1, 920 * s, 778 * s, 81 * s, 38 * s},
        // The countdown digits stand on the clock at both scales.
        {u"Number"_s, -1, 920 * s + 48 * s, 778 * s + 5 * s, 24 * s, 24 * s},
        {u"Operation"_s, 0, w / 2 - 1.8 * playWidth, 470 * s, playWidth, playHeight},
        {u"Operation"_s, 1, w / 2 - 0.5 * playWidth, 470 * s, playWidth, playHeight},
        {u"Operation"_s, 2, w / 2 + 0.8 * playWidth, 470 * s, playWidth, playHeight},
        {u"Operation"_s, 3, w - sortWidth - 10, plateTop - sortHeight, sortWidth, sortHeight},
        {u"Operation"_s, 4, w - sortWidth - 10, plateTop - 2 * sortHeight, sortWidth, sortHeight},
        {u"btnJiaopai"_s, 0, w / 2 - 33 * s, 470 * s, 66 * s, 38 * s},
        {u"ImgJiaopai"_s, 0, 312, 336, small ? 55 * s : 45, small ? 70 * s : 60},
        {u"Speak"_s, 0, 94 * s, 513 * s, 81, 81},
        {u"Speak"_s, 1, 8 * s, 280 * s, 81, 81},
        {u"Speak"_s, 2, 350 * s + 1.2 * 70 * s, 15 * s + 62 * s + 35 * s, 81, 81},
        {u"Speak"_s, 3, 886 * s, 280 * s, 81, 81},
        {u"Sysmsg"_s, 0, 312 * s, tickerTop, 281 * s, tickerHeight},
        {u"Lbchat"_s, -1, 594 * s, 695 * s, 25 * s, 33 * s},
        {u"Chat"_s, -1, 312 * s, 732 * s, 250 * s, 33 * s},
        {u"Bird"_s, -1, 936 * s, 680 * s, 82 * s, 80 * s},
        {u"WebBrowser1"_s, -1, 936 * s + 2, 680 * s + 2, 82 * s, 80 * s},
        {u"Proponeself"_s, -1, 10 * s - 10, 668 * s - 10, 85 * s + 15, 90 * s + 28},
        {u"Imgwealth"_s, -1, 0, (small ? 533 : 530) * s, 120, 32},
        {u"lbwealth"_s, -1, (small ? 55 : 61) * s, 521 * s, 60, 28},
    };
    const double fontTops[] = {280, 312, 344};
    for (int i = 0; i < 3; ++i) {
        e.push_back({u"lbfont"_s, i, small ? 424 * s - 10 : 424, fontTops[i] * s, 179, 27});
    }
    for (int i = 0; i <= 10; ++i) {
        e.push_back({u"imgCardMove"_s, i, 0, 0, 80 * s, 108 * s});
    }
    return e;
}

} // namespace qv::table::testing_support
