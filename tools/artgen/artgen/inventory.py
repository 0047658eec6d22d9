"""Every picture the client loads: the resource store by id, and the window design pictures.

Each entry names its file format, a painter and the colour its soft edges are blended towards
(the surface it is shown on). Sizes follow the layouts that show the pictures.
"""

from functools import partial as p

from . import avatars, buttons, cards, emoticons, goods, marks, panels, sprites
from .style import (BLUE_FELT, CREAM, DARK_GREY, DARK_JADE, DARK_WOOD, DEEP_RED, FELT, JADE,
                    LIGHT_GOLD, PAPER, PLUM, RED, WOOD)


class Entry:
    def __init__(self, fmt, paint, matte=FELT, duration=100):
        self.fmt, self.paint, self.matte, self.duration = fmt, paint, matte, duration


def gif(paint, matte=FELT):
    return Entry("gif", paint, matte)


def resources():
    """id -> Entry for the 495 stored pictures."""
    r = {}
    suits = cards.SUITS
    # own-hand faces: code = face + 16 x suit
    for s in range(4):
        for f in range(3, 16):
            r[f + 16 * s] = gif(p(cards.face, 90, 122, f, suits[s]))
    r[16] = gif(p(cards.joker, 90, 122, False))
    r[17] = gif(p(cards.joker, 90, 122, True))
    r[18] = gif(p(cards.back, 90, 122))
    # played faces: suit groups of 13 running ace, 2, 3 ... king
    for s in range(4):
        r[301 + 13 * s] = gif(p(cards.face, 80, 109, 14, suits[s]))
        r[302 + 13 * s] = gif(p(cards.face, 80, 109, 15, suits[s]))
        for f in range(3, 14):
            r[300 + 13 * s + f] = gif(p(cards.face, 80, 109, f, suits[s]))
    r[353] = gif(p(cards.joker, 80, 109, False))
    r[354] = gif(p(cards.joker, 80, 109, True))
    for i in (355, 356, 357):
        r[i] = gif(p(cards.back, 80, 109))
    # face-down hands of the other seats, from a few cards to the full hand
    fans = {400: (1, [(108, 200), (240, 200), (240, 200), (240, 200)]),
            410: (2, [(146, 126), (220, 175), (220, 175), (220, 175)]),
            420: (3, [(216, 200), (240, 200), (240, 200), (240, 200)])}
    for base, (seat, sizes) in fans.items():
        for k, (w, h) in enumerate(sizes):
            r[base + k] = gif(p(cards.fan, w, h, (5, 11, 17, 25)[k], seat))

    wood = DARK_WOOD
    # table buttons, large and small, normal and hover
    table_caps = ["聊天", "开始", "继续", "设置", "隐藏", "战绩", "英雄榜", "规则", "退出"]
    r[150] = gif(p(buttons.button, 48, 30, "发送", "gold", "normal"), wood)
    r[151] = gif(p(buttons.button, 48, 30, "发送", "gold", "hover"), wood)
    for i, cap in enumerate(table_caps):
        for j, state in enumerate(("normal", "hover")):
            r[152 + 2 * i + j] = gif(p(buttons.button, 55, 31, cap, "wood", state), wood)
            r[283 + 2 * i + j] = gif(p(buttons.button, 43, 24, cap, "wood", state), wood)
    for i in range(130, 150):
        r[i] = gif(p(buttons.button, 55, 31, "", "wood", ("normal", "hover")[i % 2]), wood)
    # dialog buttons of the settings and exit windows
    for i, (cap, scheme) in enumerate((("确定", "jade"), ("取消", "red"))):
        r[170 + 2 * i] = gif(p(buttons.button, 67, 27, cap, scheme, "normal"), CREAM)
        r[171 + 2 * i] = gif(p(buttons.button, 67, 27, cap, scheme, "hover"), CREAM)
    r[174] = gif(p(buttons.switch_face, 67, 27, "开", True, "normal"), CREAM)
    r[175] = gif(p(buttons.switch_face, 67, 27, "关", False, "normal"), CREAM)
    r[176] = gif(p(buttons.colour_face, 67, 27, "绿色", FELT, "normal"), CREAM)
    r[177] = gif(p(buttons.colour_face, 67, 27, "蓝色", BLUE_FELT, "normal"), CREAM)
    r[195] = gif(p(buttons.switch_face, 67, 27, "开", True, "hover"), CREAM)
    r[196] = gif(p(buttons.switch_face, 67, 27, "关", False, "hover"), CREAM)
    r[197] = gif(p(buttons.colour_face, 67, 27, "蓝色", BLUE_FELT, "hover"), CREAM)
    r[198] = gif(p(buttons.colour_face, 67, 27, "绿色", FELT, "hover"), CREAM)
    # play, hint, pass; sort and previous trick; call
    for i, (cap, scheme) in enumerate((("出牌", "gold"), ("提示", "jade"), ("不出", "blue"))):
        for j, state in enumerate(("normal", "hover", "disabled")):
            r[178 + 3 * i + j] = gif(p(buttons.button, 66, 38, cap, scheme, state))
    r[187] = gif(p(buttons.button, 62, 25, "理牌", "wood", "normal"))
    r[188] = gif(p(buttons.button, 62, 25, "理牌", "wood", "disabled"))
    r[189] = gif(p(buttons.button, 62, 25, "上一轮", "wood", "normal"))
    r[190] = gif(p(buttons.button, 62, 25, "上一轮", "wood", "disabled"))
    r[191] = gif(p(buttons.button, 66, 38, "", "gold", "normal"))
    r[192] = gif(p(buttons.button, 66, 38, "", "gold", "hover"))
    r[193] = gif(p(buttons.button, 66, 38, "叫牌", "red", "normal"))
    r[194] = gif(p(buttons.button, 66, 38, "叫牌", "red", "disabled"))
    # bubbles over the seats: bomb, pass, catch-the-wind; blank ones in between
    for i in range(212, 239):
        r[i] = gif(p(marks.bubble, 81, 81, "", 1 + (i - 212) % 3))
    r[219] = gif(p(marks.bubble, 81, 81, "炸", 1, (255, 236, 150)))
    r[223] = gif(p(marks.bubble, 81, 81, "炸", 2, (255, 236, 150)))
    r[227] = gif(p(marks.bubble, 81, 81, "炸", 3, (255, 236, 150)))
    r[235] = gif(p(marks.bubble, 81, 81, "过", 1))
    r[238] = gif(p(marks.bubble, 81, 81, "过", 3))
    for k, i in enumerate((365, 366, 367)):
        r[i] = gif(p(marks.bubble, 81, 81, "接风", k + 1, (210, 240, 220), DARK_JADE))
    # avatars
    for n in range(20):
        w, h = (87, 92) if n == 1 else (85, 90)
        r[240 + n] = gif(p(avatars.avatar, w, h, n), wood)
    for i in range(260, 280):
        r[i] = gif(p(marks.ribbon, 70, 29, "", ("bronze", "silver", "gold")[i % 3]))
    # ready marks by coin tier, finishing places
    for k, metal in enumerate(("bronze", "silver", "gold")):
        r[280 + k] = gif(p(marks.ribbon, 70, 29, "准备", metal))
        r[360 + k] = gif(p(marks.ribbon, 70, 29, ("第一名", "第二名", "第三名")[k],
                           ("gold", "silver", "bronze")[k], DEEP_RED))
    # exchange window
    r[445] = gif(p(panels.paging_bar, 150, 45, None), CREAM)
    r[446] = gif(p(panels.paging_bar, 150, 45, "left"), CREAM)
    r[447] = gif(p(panels.paging_bar, 150, 45, "right"), CREAM)
    r[448] = gif(p(buttons.icon_button, 21, 21, "close", "red", "hover"), CREAM)
    r[449] = gif(p(buttons.icon_button, 21, 21, "close", "red", "normal"), CREAM)
    r[450] = gif(p(panels.chest, 55, 31, False), wood)
    r[451] = gif(p(panels.chest, 55, 31, True), wood)
    r[452] = gif(p(buttons.icon_button, 18, 18, "bar", "wood", "normal", False), CREAM)
    r[453] = gif(p(buttons.icon_button, 18, 18, "bar", "wood", "hover", False), CREAM)
    r[454] = gif(p(buttons.icon_button, 18, 18, "close", "red", "normal", False), CREAM)
    r[455] = gif(p(buttons.icon_button, 18, 18, "close", "red", "hover", False), CREAM)
    r[516] = gif(p(buttons.tab, 56, 19, "短语1", "normal"), wood)
    r[517] = gif(p(buttons.tab, 56, 19, "短语2", "normal"), wood)
    r[518] = gif(p(buttons.tab, 56, 19, "短语1", "hover"), wood)
    r[519] = gif(p(buttons.tab, 56, 19, "短语2", "hover"), wood)
    r[521] = gif(p(buttons.button, 100, 30, "充值", "red", "normal"), CREAM)
    r[522] = gif(p(buttons.button, 100, 30, "充值", "red", "hover"), CREAM)
    r[523] = gif(p(buttons.button, 223, 32, "开通VIP", "gold", "normal"), CREAM)
    r[524] = gif(p(buttons.button, 223, 32, "开通VIP", "gold", "hover"), CREAM)
    for level in range(1, 7):
        r[524 + level] = gif(p(panels.vip_window, 313, 293, level), wood)
    r[579] = gif(p(buttons.icon_button, 28, 30, "bar", "gold", "normal"), wood)
    r[580] = gif(p(buttons.icon_button, 28, 30, "bar", "gold", "hover"), wood)
    r[581] = gif(p(buttons.button, 96, 30, "中奖名单", "red", "normal"), wood)
    r[582] = gif(p(buttons.button, 96, 30, "中奖名单", "red", "hover"), wood)
    # chat panel buttons and the emoticons
    r[660] = gif(p(emoticons.smiley_button, 21, 22, "normal"), wood)
    r[661] = gif(p(emoticons.smiley_button, 21, 22, "pressed"), wood)
    r[662] = gif(p(emoticons.smiley_button, 21, 22, "hover"), wood)
    r[663] = gif(p(emoticons.smiley_button, 21, 22, "pressed"), wood)
    r[664] = gif(p(emoticons.phrase_button, 27, 24, "normal"), wood)
    r[665] = gif(p(emoticons.phrase_button, 27, 24, "pressed"), wood)
    r[666] = gif(p(emoticons.phrase_button, 27, 24, "hover"), wood)
    r[667] = gif(p(emoticons.frame, "smile", 0), CREAM)
    for n in range(1, 19):
        r[667 + n] = Entry("anim", p(emoticons.emoticon, n), CREAM, 100)
    for i, (cap, state) in zip((765, 766, 767, 768),
                               (("上页", "pressed"), ("上页", "pressed"), ("下页", "pressed"),
                                ("下页", "pressed"))):
        r[i] = gif(p(buttons.button, 33, 20, cap, "wood", state, 4), CREAM)
    for base, cap in ((769, "上页"), (773, "下页")):
        r[base] = gif(p(buttons.button, 33, 20, cap, "wood", "normal", 4), CREAM)
        r[base + 1] = gif(p(buttons.button, 33, 20, cap, "wood", "hover", 4), CREAM)
    r[772] = gif(p(buttons.button, 33, 20, "上页", "wood", "disabled", 4), CREAM)
    r[776] = gif(p(buttons.button, 33, 20, "下页", "wood", "disabled", 4), CREAM)
    # pay buttons of the purchase panel
    for base, cap, scheme in ((780, "网银充值", "red"), (783, "快捷支付", "blue")):
        r[base] = gif(p(buttons.button, 95, 63, cap, scheme, "normal", 10), wood)
        r[base + 1] = gif(p(buttons.button, 95, 63, cap, scheme, "disabled", 10), wood)
        r[base + 2] = gif(p(buttons.button, 95, 63, cap, scheme, "hover", 10), wood)
    r[786] = gif(p(marks.plate, 49, 48, "?", PAPER, DARK_WOOD, 6, 26), CREAM)
    # reward sprite sheets
    r[801] = Entry("png", sprites.prize_digits)
    r[802] = Entry("png", sprites.prize_banner)
    r[803] = Entry("png", sprites.jade_burst)
    r[804] = Entry("png", sprites.jade_digits)
    r[805] = Entry("png", sprites.jade_frame)
    r[830] = gif(p(buttons.button, 100, 30, "兑换", "jade", "normal"), CREAM)
    r[831] = gif(p(buttons.button, 100, 30, "兑换", "jade", "hover"), CREAM)
    # video strip icons: block, zoom, photo, hide own video; hover faces; friend; spares; album
    kinds = ["block", "zoom", "photo", "hide"]
    for k, kind in enumerate(kinds):
        r[850 + k] = gif(p(marks.seat_icon, 16, 14, kind, False), wood)
        r[854 + k] = gif(p(marks.seat_icon, 16, 14, kind, True), wood)
    r[858] = gif(p(marks.seat_icon, 16, 14, "friend", False), wood)
    r[859] = gif(p(marks.seat_icon, 16, 14, "friend", True), wood)
    for i in (860, 861, 862):
        r[i] = gif(p(marks.seat_icon, 17, 16, "spare", i == 861), wood)
    r[863] = gif(p(marks.seat_icon, 16, 14, "album", False), wood)
    r[864] = gif(p(marks.seat_icon, 16, 14, "album", True), wood)
    for i, (w, h) in enumerate(((175, 138), (276, 215), (434, 341), (137, 108), (216, 168),
                                (339, 266))):
        r[870 + i] = Entry("jpeg", p(panels.scene, w, h, i))
    # VIP badges: six levels of four frames
    for level in range(1, 7):
        for f in range(4):
            r[906 + 4 * level + f] = gif(p(marks.vip_badge, 41, 35, level, f), wood)
    # tournament panels
    for base, cap in ((1510, ""), (1512, "排名")):
        r[base] = gif(p(buttons.button, 95, 36, cap, "plum", "normal"), wood)
        r[base + 1] = gif(p(buttons.button, 95, 36, cap, "plum", "hover"), wood)
    r[1514] = gif(p(buttons.icon_button, 31, 31, "close", "red", "normal"), wood)
    r[1515] = gif(p(buttons.icon_button, 31, 31, "close", "red", "hover"), wood)
    r[1520] = gif(p(marks.plate, 85, 32, "", PLUM), wood)
    r[1522] = gif(p(marks.plate, 324, 52, "", WOOD, radius=8), wood)
    r[1523] = gif(p(marks.plate, 324, 52, "", PLUM, radius=8), wood)
    r[1524] = gif(p(marks.plate, 324, 52, "", DARK_JADE, radius=8), wood)
    r[1525] = gif(p(marks.plate, 324, 52, "", DARK_GREY, radius=8), wood)
    r[1526] = gif(p(marks.stamp, 96, 40, "已报名", RED), wood)
    r[1542] = gif(p(marks.stamp, 96, 40, "进行中", JADE), wood)
    r[1543] = gif(p(marks.stamp, 96, 40, "已结束", DARK_GREY), wood)
    r[1527] = gif(p(buttons.button, 96, 30, "报名", "red", "normal"), wood)
    r[1528] = gif(p(buttons.button, 96, 30, "报名", "red", "hover"), wood)
    r[1544] = gif(p(buttons.button, 96, 30, "已报名", "red", "disabled"), wood)
    for base, icon in ((1529, "up"), (1532, "down")):
        r[base] = gif(p(buttons.icon_button, 13, 13, icon, "gold", "normal"), wood)
        r[base + 1] = gif(p(buttons.icon_button, 13, 13, icon, "gold", "hover"), wood)
        r[base + 2] = gif(p(buttons.icon_button, 13, 13, icon, "grey", "disabled"), wood)
    for base, cap in ((1535, "上页"), (1538, "下页")):
        for j, state in enumerate(("normal", "hover", "disabled")):
            r[base + j] = gif(p(buttons.button, 46, 24, cap, "plum", state, 6), wood)
    r[1550] = gif(p(buttons.icon_button, 16, 16, "close", "red", "normal"), CREAM)
    r[1551] = gif(p(buttons.icon_button, 16, 16, "close", "red", "hover"), CREAM)
    for j, state in enumerate(("normal", "hover", "disabled")):
        r[1552 + j] = gif(p(buttons.button, 47, 23, "刷新", "plum", state, 6), wood)
    r[1560] = gif(p(buttons.button, 93, 29, "翡翠兑换", "jade", "normal"), wood)
    r[1561] = gif(p(buttons.button, 93, 29, "翡翠兑换", "jade", "hover"), wood)
    for base, icon in ((1562, "right"), (1564, "left")):
        r[base] = gif(p(buttons.icon_button, 25, 17, icon, "plum", "normal", False), wood)
        r[base + 1] = gif(p(buttons.icon_button, 25, 17, icon, "plum", "hover", False), wood)
    # goods window pages, prize bar and purchase panel
    r[1640] = gif(p(buttons.button, 40, 20, "上页", "wood", "normal", 4), CREAM)
    r[1641] = gif(p(buttons.button, 40, 20, "上页", "wood", "hover", 4), CREAM)
    r[1642] = gif(p(buttons.button, 40, 20, "下页", "wood", "normal", 4), CREAM)
    r[1643] = gif(p(buttons.button, 40, 20, "下页", "wood", "hover", 4), CREAM)
    r[1644] = gif(p(buttons.button, 24, 26, "买", "red", "normal", 5), wood)
    r[1645] = gif(p(buttons.button, 24, 26, "买", "red", "hover", 5), wood)
    r[1646] = gif(p(buttons.button, 24, 26, "买", "red", "pressed", 5), wood)
    r[1647] = gif(p(buttons.button, 24, 26, "买", "red", "disabled", 5), wood)
    r[1648] = gif(p(buttons.icon_button, 19, 19, "plus", "gold", "normal"), wood)
    r[1649] = gif(p(buttons.icon_button, 19, 19, "plus", "gold", "hover"), wood)
    r[1650] = gif(p(buttons.icon_button, 19, 19, "minus", "gold", "normal"), wood)
    r[1651] = gif(p(buttons.icon_button, 19, 19, "minus", "gold", "hover"), wood)
    for j, state in enumerate(("normal", "hover", "disabled", "pressed")):
        r[1652 + j] = gif(p(buttons.button, 47, 25, "确定", "jade", state, 6), wood)
    for j, state in enumerate(("normal", "pressed", "hover", "disabled")):
        r[1656 + j] = gif(p(buttons.button, 80, 36, "购买", "red", state), wood)
    for base, cap in ((1660, "+100"), (1662, "-100")):
        r[base] = gif(p(buttons.button, 31, 31, cap, "gold", "normal", 6), wood)
        r[base + 1] = gif(p(buttons.button, 31, 31, cap, "gold", "hover", 6), wood)
    for entry in range(20):
        r[1880 + entry] = gif(p(goods.goods, 100, 100, entry), CREAM)
    return r


def design():
    """Window design pictures: path below assets/design -> Entry."""
    d = {}
    wood = DARK_WOOD
    d["MainForm/icon.ico"] = Entry("ico", panels.icon)
    d["MainForm/Pic1.gif"] = Entry("gif", p(panels.table, 1024, 768))
    d["MainForm/pic3.gif"] = Entry("gif", p(panels.table, 1024, 768))
    d["MainForm/pic4.gif"] = Entry("gif", p(panels.table, 1024, 768, True))
    d["MainForm/Pic2.gif"] = Entry("gif", p(panels.table, 800, 600))
    d["MainForm/Skin.bmp"] = Entry("bmp", panels.skin)
    for i, state in enumerate(("normal", "hover", "pressed"), 1):
        d[f"MainForm/ImgClose_{i}.gif"] = gif(p(buttons.icon_button, 16, 16, "close", "red",
                                                state), wood)
        d[f"MainForm/ImgMin_{i}.gif"] = gif(p(buttons.icon_button, 16, 16, "minimise", "wood",
                                              state), wood)
    d["MainForm/imgDinglan.gif"] = Entry("gif", p(panels.bar, 1024, 90, True))
    d["MainForm/imgDilan.gif"] = Entry("gif", p(panels.bar, 1024, 117, False))
    d["MainForm/imgLocation.gif"] = gif(p(marks.plate, 394, 39, "", DARK_WOOD, radius=10))
    d["MainForm/Bird.gif"] = gif(p(panels.web_frame, 82, 80))
    d["MainForm/ImgShuffle.gif"] = gif(p(marks.plate, 185, 35, "", DEEP_RED, radius=12))
    d["MainForm/img_vip.gif"] = gif(p(marks.vip_badge, 41, 35, 1, 0), wood)
    d["MainForm/first.gif"] = gif(p(marks.ribbon, 70, 29, "第一名", "gold", DEEP_RED))
    d["MainForm/ImgKuang.jpg"] = Entry("jpeg", p(panels.video_frame, 126, 105))
    d["MainForm/ImgShow.gif"] = gif(p(marks.seat_icon, 16, 14, "photo", False), wood)
    d["MainForm/PicLocal_0.jpg"] = Entry("jpeg", p(panels.strip, 85, 16))
    d["MainForm/PicLocal.gif"] = gif(p(panels.strip, 145, 17))
    # The zoom and photo commands (i % 4 of 1 and 2) show picture resources 851 and 852.
    for i in (i for i in range(16) if i % 4 in (0, 3)):
        kind = {0: "album", 3: "hide"}.get(i, ["block", "zoom", "photo", "friend"][i % 4])
        d[f"MainForm/ImCmd_{i}.gif"] = gif(p(marks.seat_icon, 16, 14, kind, False), wood)
    d["MainForm/Bank.gif"] = gif(p(panels.chest, 55, 31, False), wood)
    d["MainForm/imgCardMove.gif"] = gif(p(cards.back, 78, 103))
    d["MainForm/imgFaPai.gif"] = gif(p(cards.pile, 110, 146, 6))
    d["MainForm/imgDizhu.gif"] = gif(p(panels.dealer_mark, 50, 50, "庄", 38))
    d["MainForm/imgBaopai.gif"] = gif(p(panels.called_frame, 73, 129))
    d["MainForm/Time_Img.gif"] = gif(p(panels.clock, 80, 37))
    for i, (w, h) in enumerate(((100, 137), (111, 133), (80, 134))):
        d[f"MainForm/Picture_ani_{i}.gif"] = gif(p(panels.countdown_digit, w, h, 3 - i))
    d["MainForm/Imgwealth.gif"] = gif(p(marks.plate, 120, 32, "财富加倍", DEEP_RED, size=13))
    d["MainForm/pic_matchinfo.gif"] = gif(p(panels.strip, 526, 34, PLUM))
    # The list's title button covers the top left corner, so the match panel has no tab.
    d["MainForm/Pic_matchDetail.jpg"] = Entry("jpeg", p(
        panels.panel, 620, 400, "",
        [(10, 50, 346, 370), (374, 47, 523, 127), (374, 135, 583, 211), (374, 220, 602, 322)],
        PLUM))
    d["MainForm/LMatchShow.gif"] = gif(p(panels.champion_box, 324, 166), wood)
    d["MainForm/Pic_sortDetail.jpg"] = Entry("jpeg", p(panels.ranking_panel, 620, 400, PLUM))
    d["MainForm/Pic_prize.jpg"] = Entry("jpeg", p(panels.strip, 526, 34, DEEP_RED))
    d["MainForm/Img_add_bt.gif"] = gif(p(buttons.icon_button, 19, 19, "plus", "gold"), wood)
    d["MainForm/Img_reduce_bt.gif"] = gif(p(buttons.icon_button, 19, 19, "minus", "gold"), wood)
    d["MainForm/Img_chip_bt.gif"] = gif(p(buttons.button, 47, 25, "确定", "jade", "normal", 6),
                                        wood)
    d["MainForm/Img_buy_bt.gif"] = gif(p(buttons.button, 24, 26, "买", "red", "normal", 5), wood)
    d["MainForm/Img_yan.gif"] = gif(p(buttons.icon_button, 28, 30, "bar", "gold"), wood)
    d["MainForm/bt_prizesort.gif"] = gif(p(buttons.button, 96, 30, "中奖名单", "red"), wood)
    d["MainForm/Pic_prizesort.gif"] = gif(p(panels.panel, 718, 293, "中奖名单",
                                            [(12, 44, 706, 281)], DEEP_RED), wood)
    d["MainForm/Pic_chipinfo.gif"] = gif(p(panels.panel, 520, 484, "筹码说明",
                                           [(14, 46, 506, 470)]), wood)
    d["MainForm/Pic_buy.gif"] = gif(p(panels.panel, 351, 295, "购买", [(14, 46, 337, 150)]), wood)
    d["MainForm/img_chzhi_1.gif"] = gif(p(buttons.button, 95, 63, "网银充值", "red", "normal",
                                          10), wood)
    d["MainForm/img_chzhi_2.gif"] = gif(p(buttons.button, 95, 63, "快捷支付", "blue", "normal",
                                          10), wood)
    d["MainForm/Img_buy_close_bt.gif"] = gif(p(buttons.icon_button, 31, 31, "close", "red",
                                               "hover"), wood)
    d["MainForm/Img_buy_reduce_bt.gif"] = gif(p(buttons.button, 31, 31, "-100", "gold", "normal",
                                                6), wood)
    d["MainForm/Img_buy_add_bt.gif"] = gif(p(buttons.button, 31, 31, "+100", "gold", "normal", 6),
                                           wood)
    d["MainForm/Img_buy_buy_bt.gif"] = gif(p(buttons.button, 80, 36, "购买", "red"), wood)
    d["MainForm/Pic_Jadetask.jpg"] = Entry("jpeg", p(panels.panel, 200, 70, "", (), DARK_JADE))
    d["MainForm/cursor.png"] = Entry("rgba", panels.hand_cursor)
    d["VosSet/background.gif"] = gif(p(panels.rows_window, 222, 285, "音效设置",
                                       ["背景音乐", "系统音效", "功能音效", "桌面颜色"],
                                       [61, 103, 145, 187], 20), wood)
    d["VosSet/cursor.png"] = Entry("rgba", panels.hand_cursor)
    d["Information/background.gif"] = gif(p(
        panels.rows_window, 238, 341, "玩家信息",
        ["玩家昵称", "性别", "所在地", "积分", "会员等级", "登录次数", "掉线次数", "胜场次数",
         "败场次数"], [32 + 33 * i for i in range(9)], 40), wood)
    d["rule/background.gif"] = gif(p(panels.rows_window, 345, 537, "规则", [], [], 0), wood)
    # The exit notices are written in yellow: their panel is dark.
    for win in ("frmExit", "frmOtherExit"):
        d[f"{win}/background.gif"] = gif(p(panels.rows_window, 320, 180, "退出", [], [], 0,
                                           inner=WOOD), wood)
    d["frmOtherExit/imgOK.gif"] = gif(p(buttons.button, 70, 30, "确定", "jade"), WOOD)
    d["frmOtherExit/imgCancel.gif"] = gif(p(buttons.button, 70, 30, "取消", "red"), WOOD)
    d["ChuPai/background.gif"] = gif(p(panels.notice_panel, 182, 66, "出牌不合规则！"), wood)
    d["ChuPai/Label1.png"] = Entry("rgba", panels.hand_cursor)
    # The cells follow the windows' controls: head pictures and names, the lists, the totals.
    # The sheet writes its names in black or blue, the history in light yellow on dark wood.
    d["Score/background.gif"] = gif(p(panels.grid_window, 646, 482, "战绩板", (570, 17),
                                      (4, 163, 323, 483, 642), (4, 85, 418, 478)), wood)
    d["Hero/background.gif"] = gif(p(panels.grid_window, 655, 452, "英雄榜", (64, 17),
                                     (4, 127, 258, 389, 520, 651), (4, 67, 395, 446), WOOD,
                                     LIGHT_GOLD), wood)
    for win in ("Score", "Hero"):
        d[f"{win}/Image1_0.gif"] = gif(p(buttons.icon_button, 18, 18, "bar", "wood", "normal",
                                         False), CREAM)
        d[f"{win}/Image1_1.gif"] = gif(p(buttons.icon_button, 18, 18, "close", "red", "normal",
                                         False), CREAM)
    d["Talk/background.gif"] = gif(p(panels.rows_window, 317, 170, "聊天", [], [], 0), wood)
    d["huifu/background.gif"] = gif(p(panels.phrase_window, 317, 170), wood)
    d["huifu/cursor.png"] = Entry("rgba", panels.hand_cursor)
    d["frmBiaoqing/background.gif"] = gif(p(panels.emoticon_window, 349, 215), wood)
    for i, ((w, h), tail) in enumerate((((174, 92), "bottom-left"), ((198, 92), "left"),
                                        ((208, 104), "top-left"), ((208, 104), "right"))):
        d[f"frmSpeakBox/imgSpeakBox_{i}.gif"] = Entry("key", p(panels.speech_box, w, h, tail))
    d["exchangeFrm/background.gif"] = gif(p(panels.rows_window, 520, 484, "翡翠兑换", [], [], 0, DARK_WOOD),
                                          wood)
    d["FrmGoods/background.gif"] = gif(p(panels.goods_window, 435, 310, "道具",
                                         (290, 106, 424, 241)), wood)
    d["FrmGoods/ImgSelected.gif"] = gif(p(panels.goods_frame, 66, 76), CREAM)
    return d


