#!/usr/bin/env python3
"""Writes demo/catalogue.sql: the demo catalogue of a PC-parts reseller.

Four CPU platforms with Chinese descriptions; for every category code four to
ten brands; some 500 products with channel prices in whole yuan, warranties
and picture file names ("zb_0001.jpg", counted per category). Motherboards and
CPUs belong to platforms, and their flag columns bring out every notice:
boards with integrated graphics (zbjx "a"), boards with a display connector
only (xkjk "a"), boards with neither, CPUs with and without graphics (cpujx).

The output is deterministic: running the script again gives the same file.

  scripts/generate_demo_catalogue.py [OUTPUT]     (default: demo/catalogue.sql)
"""

import os
import sys

PLATFORMS = [
    # (Platform_ID, Platform, Brief)
    (1, "Intel LGA1700", "英特尔第12/13/14代酷睿处理器，支持DDR4与DDR5内存，配H610/B760/Z790主板"),
    (2, "Intel LGA1851", "英特尔酷睿Ultra 200S系列处理器，仅支持DDR5内存，配B860/Z890主板"),
    (3, "AMD AM5", "AMD锐龙7000/8000/9000系列处理器，仅支持DDR5内存，配A620/B650/X670E主板"),
    (4, "AMD AM4", "AMD锐龙3000/4000/5000系列处理器，支持DDR4内存，配A520/B550/X570主板"),
]

# Motherboard chipsets of each platform by tier (entry, mid micro-ATX, mid
# ATX, high), with the tier's price. Entry boards carry integrated graphics,
# mid and high boards a display connector only; X570 and X670E boards have no
# display output at all.
CHIPSETS = {
    1: [("H610", 499), ("B760", 899), ("B760", 1099), ("Z790", 1799)],
    2: [("B860", 999), ("B860", 1299), ("B860", 1499), ("Z890", 2299)],
    3: [("A620", 599), ("B650", 999), ("B650", 1199), ("X670E", 2399)],
    4: [("A520", 399), ("B550", 699), ("B550", 849), ("X570", 1199)],
}
NO_DISPLAY_OUTPUT = {"X570", "X670E"}

# Model patterns of each board brand by tier; {c} is the chipset.
BOARD_SERIES = [
    ("华硕", 60, ["PRIME {c}M-A", "TUF GAMING {c}M-PLUS WIFI", "TUF GAMING {c}-PLUS WIFI",
                 "ROG STRIX {c}-A GAMING WIFI"]),
    ("技嘉", 40, ["{c}M DS3H", "{c}M AORUS ELITE", "{c} GAMING X AX", "{c} AORUS PRO AX"]),
    ("微星", 50, ["PRO {c}M-A", "MAG {c}M MORTAR WIFI", "MAG {c} TOMAHAWK WIFI",
                 "MPG {c} EDGE WIFI"]),
    ("华擎", 0, ["{c}M-HDV", "{c}M Pro RS", "{c} Pro RS", "{c} Steel Legend"]),
    ("七彩虹", -20, ["战斧 {c}M-D", "CVN {c}M GAMING", "CVN {c} GAMING PRO", "iGame {c} ULTRA"]),
    ("铭瑄", -40, ["MS-挑战者 {c}M", "MS-终结者 {c}M", "MS-终结者 {c}", "MS-iCraft {c}"]),
    ("映泰", -60, ["{c}MHP", "{c}MX-E PRO", "{c}A-SILVER", "RACING {c}GTA"]),
]
BOARD_WARRANTY = ["三年", "三年", "三年", "三年换新"]

# CPUs of each platform: (model, boxed price, integrated graphics).
CPUS = {
    1: [("酷睿 i3-12100F", 499, False), ("酷睿 i3-13100", 799, True),
        ("酷睿 i5-12400F", 699, False), ("酷睿 i5-12400", 949, True),
        ("酷睿 i5-13400F", 999, False), ("酷睿 i5-14600KF", 1699, False),
        ("酷睿 i5-14600K", 1899, True), ("酷睿 i7-14700KF", 2599, False),
        ("酷睿 i7-14700K", 2799, True), ("酷睿 i9-14900K", 3999, True)],
    2: [("酷睿Ultra 5 225F", 1299, False), ("酷睿Ultra 5 225", 1449, True),
        ("酷睿Ultra 5 245KF", 1799, False), ("酷睿Ultra 5 245K", 1999, True),
        ("酷睿Ultra 7 265KF", 2599, False), ("酷睿Ultra 7 265K", 2799, True),
        ("酷睿Ultra 9 285K", 4399, True)],
    3: [("锐龙5 7500F", 899, False), ("锐龙5 8400F", 749, False),
        ("锐龙5 7600", 1099, True), ("锐龙5 8600G", 1199, True),
        ("锐龙5 9600X", 1549, True), ("锐龙7 7800X3D", 2399, True),
        ("锐龙7 9700X", 2099, True), ("锐龙7 9800X3D", 3599, True),
        ("锐龙9 9950X", 4299, True)],
    4: [("锐龙3 4100", 399, False), ("锐龙5 5500", 499, False),
        ("锐龙5 5600", 649, False), ("锐龙5 5600G", 749, True),
        ("锐龙7 5700G", 999, True), ("锐龙7 5700X", 899, False),
        ("锐龙7 5700X3D", 1299, False)],
}
# Boxed CPUs come with three years; tray CPUs ("散片") are cheaper, one year.
CPU_BRANDS = {"Intel": ("英特尔盒装", "英特尔散片"), "AMD": ("AMD盒装", "AMD散片")}

# The other ten categories: code -> [(brand, [(model, channel price, warranty)])].
PRODUCTS = {
    "yp": [
        ("三星", [
            ("990 EVO Plus 1TB NVMe固态", 599, "五年"),
            ("990 EVO Plus 2TB NVMe固态", 1049, "五年"),
            ("990 PRO 2TB NVMe固态", 1399, "五年"),
            ("870 EVO 500G SATA固态", 399, "五年"),
            ("T7 1TB 移动固态硬盘", 699, "三年"),
        ]),
        ("西部数据", [
            ("SN580 1TB NVMe固态", 469, "五年"),
            ("SN770 2TB NVMe固态", 899, "五年"),
            ("蓝盘 2TB 机械硬盘 WD20EZBX", 429, "两年"),
            ("紫盘 4TB 监控硬盘 WD43PURZ", 699, "三年"),
            ("红盘 Plus 4TB NAS硬盘", 799, "三年"),
        ]),
        ("希捷", [
            ("酷鱼 2TB 机械硬盘 ST2000DM008", 399, "两年"),
            ("酷鱼 4TB 机械硬盘 ST4000DM004", 599, "两年"),
            ("酷狼 8TB NAS硬盘 ST8000VN004", 1399, "三年"),
            ("酷玩 530 1TB NVMe固态", 599, "五年"),
        ]),
        ("致态", [
            ("TiPlus7100 1TB NVMe固态", 449, "五年"),
            ("TiPlus7100 2TB NVMe固态", 849, "五年"),
            ("TiPro9000 2TB NVMe固态", 1199, "五年"),
            ("SC001 512G SATA固态", 259, "三年"),
            ("TiPlus5000 512G NVMe固态", 279, "五年"),
        ]),
        ("金士顿", [
            ("NV3 1TB NVMe固态", 419, "三年"),
            ("NV3 2TB NVMe固态", 799, "三年"),
            ("KC3000 2TB NVMe固态", 1099, "五年"),
            ("A400 480G SATA固态", 199, "三年"),
            ("A400 960G SATA固态", 369, "三年"),
        ]),
        ("铠侠", [
            ("RC20 1TB NVMe固态", 439, "五年"),
            ("SE10 2TB NVMe固态", 999, "五年"),
            ("TC10 480G SATA固态", 209, "三年"),
            ("EXCERIA PLUS G3 1TB NVMe固态", 499, "五年"),
        ]),
        ("英睿达", [
            ("P3 Plus 1TB NVMe固态", 429, "五年"),
            ("T500 2TB NVMe固态", 989, "五年"),
            ("MX500 1TB SATA固态", 449, "五年"),
            ("T700 2TB PCIe5.0固态", 1699, "五年"),
        ]),
    ],
    "nc": [
        ("金士顿", [
            ("FURY Beast DDR4 3200 8G", 139, "终身保固"),
            ("FURY Beast DDR4 3200 16G", 259, "终身保固"),
            ("FURY Beast DDR5 6000 16G", 399, "终身保固"),
            ("FURY Beast DDR5 6000 32G(16G×2)", 769, "终身保固"),
            ("FURY Renegade DDR5 6400 32G(16G×2)", 999, "终身保固"),
        ]),
        ("威刚", [
            ("万紫千红 DDR4 3200 8G", 119, "终身保固"),
            ("XPG 威龙 D35 DDR4 3200 16G", 229, "终身保固"),
            ("XPG 龙耀 D300 DDR5 6000 16G", 369, "终身保固"),
            ("XPG 龙耀 D300 DDR5 6400 32G(16G×2)", 749, "终身保固"),
        ]),
        ("芝奇", [
            ("Ripjaws V DDR4 3600 16G(8G×2)", 339, "终身保固"),
            ("幻锋戟 DDR5 6000 32G(16G×2)", 899, "终身保固"),
            ("皇家戟 DDR5 6400 32G(16G×2)", 1099, "终身保固"),
            ("焰光戟 DDR5 6000 32G(16G×2)", 949, "终身保固"),
        ]),
        ("海盗船", [
            ("复仇者 LPX DDR4 3200 16G(8G×2)", 309, "终身保固"),
            ("复仇者 DDR5 5600 32G(16G×2)", 799, "终身保固"),
            ("统治者 铂金 DDR5 6400 32G(16G×2)", 1299, "终身保固"),
            ("复仇者 DDR4 3200 32G(16G×2)", 549, "终身保固"),
        ]),
        ("光威", [
            ("天策 DDR4 3200 16G", 209, "终身保固"),
            ("龙武 DDR5 6000 16G", 329, "终身保固"),
            ("神策 DDR5 6800 32G(16G×2)", 799, "终身保固"),
            ("战将 DDR4 2666 8G", 99, "一年包换"),
            ("天策 DDR4 3200 32G(16G×2)", 399, "终身保固"),
        ]),
        ("英睿达", [
            ("DDR4 3200 8G 笔记本内存", 129, "终身保固"),
            ("DDR5 5600 16G", 359, "终身保固"),
            ("Pro DDR5 6000 32G(16G×2)", 829, "终身保固"),
            ("DDR4 3200 16G 台式机内存", 239, "终身保固"),
        ]),
        ("金百达", [
            ("银爵 DDR4 3200 16G", 199, "终身保固"),
            ("刃 DDR5 6000 32G(16G×2)", 679, "终身保固"),
            ("黑爵 DDR4 3600 32G(16G×2)", 449, "终身保固"),
            ("银爵 DDR5 5600 16G", 299, "终身保固"),
        ]),
    ],
    "xk": [
        ("七彩虹", [
            ("战斧 GeForce RTX 3050 6G", 1199, "三年"),
            ("战斧 GeForce RTX 4060 DUO 8G", 2199, "三年"),
            ("iGame GeForce RTX 4060 Ti Ultra W OC 8G", 3099, "三年"),
            ("iGame GeForce RTX 4070 SUPER Ultra W OC 12G", 4799, "三年"),
            ("iGame GeForce RTX 4080 SUPER Advanced OC 16G", 8299, "三年"),
        ]),
        ("华硕", [
            ("DUAL GeForce RTX 4060 O8G", 2399, "三年"),
            ("TUF GeForce RTX 4070 SUPER O12G", 5299, "三年"),
            ("ROG STRIX GeForce RTX 4080 SUPER O16G", 9299, "三年"),
            ("DUAL Radeon RX 7600 O8G", 1999, "三年"),
            ("PRIME GeForce RTX 4070 O12G", 4399, "三年"),
        ]),
        ("微星", [
            ("VENTUS 2X GeForce RTX 4060 8G OC", 2299, "三年"),
            ("GAMING X SLIM GeForce RTX 4070 SUPER 12G", 5099, "三年"),
            ("SUPRIM X GeForce RTX 4080 SUPER 16G", 8999, "三年"),
            ("MECH 2X Radeon RX 7600 8G OC", 1899, "三年"),
            ("VENTUS 3X GeForce RTX 4070 Ti SUPER 16G", 6199, "三年"),
        ]),
        ("技嘉", [
            ("WINDFORCE GeForce RTX 4060 OC 8G", 2249, "三年"),
            ("魔鹰 GeForce RTX 4070 SUPER 12G", 4999, "三年"),
            ("雪鹰 GeForce RTX 4060 Ti 8G", 3199, "三年"),
            ("GAMING Radeon RX 7800 XT OC 16G", 3899, "三年"),
        ]),
        ("影驰", [
            ("GeForce RTX 4060 大将 8G", 2199, "三年"),
            ("GeForce RTX 4060 Ti 金属大师 8G", 3049, "三年"),
            ("GeForce RTX 4070 SUPER 星曜 OC 12G", 4899, "三年"),
            ("GeForce RTX 4070 Ti SUPER 星曜 OC 16G", 6299, "三年"),
        ]),
        ("索泰", [
            ("GeForce RTX 4060 8G 毁灭者", 2149, "三年"),
            ("GeForce RTX 4070 SUPER 12G 天启", 5199, "三年"),
            ("GeForce RTX 3050 6G 毁灭者", 1149, "三年"),
            ("GeForce RTX 4060 Ti 8G 天启 OC", 3199, "三年"),
        ]),
        ("蓝宝石", [
            ("Radeon RX 7600 8G 白金版", 1849, "三年"),
            ("Radeon RX 7700 XT 12G 白金版", 2999, "三年"),
            ("Radeon RX 7800 XT 16G 超白金", 3799, "三年"),
            ("Radeon RX 7900 GRE 16G 超白金", 4299, "三年"),
        ]),
        ("铭瑄", [
            ("GeForce RTX 4060 电竞之心 8G", 2099, "三年"),
            ("GeForce RTX 3050 终结者 6G", 1099, "三年"),
            ("GeForce GT 1030 变形金刚 2G", 449, "一年包换"),
            ("GeForce RTX 4060 Ti iCraft 8G", 2999, "三年"),
        ]),
    ],
    "gq": [
        ("先锋", [
            ("DVR-XU01C 外置刻录机", 229, "一年"),
            ("BDR-XD07BK 外置蓝光刻录机", 799, "一年"),
            ("DVR-S21WBK 内置刻录机", 149, "一年"),
            ("BDR-S13UBK 内置蓝光刻录机", 699, "一年"),
        ]),
        ("华硕", [
            ("SDRW-08D2S-U 外置刻录机", 189, "一年"),
            ("DRW-24D5MT 内置刻录机", 119, "一年"),
            ("BW-16D1HT 内置蓝光刻录机", 599, "一年"),
        ]),
        ("联想", [
            ("DB75-Plus 外置刻录机", 159, "一年"),
            ("GP70NB 外置刻录机", 169, "一年"),
            ("TX800 外置刻录机", 199, "一年"),
        ]),
        ("三星", [
            ("SE-208GB 外置刻录机", 179, "一年"),
            ("SH-224FB 内置刻录机", 109, "一年包换"),
            ("SE-506CB 外置蓝光刻录机", 899, "一年"),
        ]),
    ],
    "jx": [
        ("酷冷至尊", [
            ("MasterBox TD500 Mesh V2", 429, "一年"),
            ("MasterBox Q300L", 199, "一年"),
            ("HAF 700 EVO", 2399, "两年"),
        ]),
        ("先马", [
            ("平头哥M2", 179, "一年"),
            ("鲁班1 MAX", 259, "一年"),
            ("朝圣者", 149, "一年包换"),
        ]),
        ("爱国者", [
            ("YOGO K1", 199, "一年"),
            ("星璨 T20", 299, "一年"),
            ("月光宝盒 mini", 169, "一年"),
            ("YOGO M2", 239, "一年"),
        ]),
        ("联力", [
            ("包豪斯 O11 Dynamic EVO", 999, "两年"),
            ("LANCOOL 216", 549, "两年"),
            ("A3-mATX", 469, "两年"),
            ("LANCOOL 207", 399, "两年"),
        ]),
        ("追风者", [
            ("NV5", 899, "两年"),
            ("XT PRO", 499, "两年"),
            ("XT M3", 299, "两年"),
            ("NV7", 1299, "两年"),
        ]),
        ("航嘉", [
            ("GX750H", 329, "一年"),
            ("暗夜猎手6", 169, "一年"),
            ("S980", 259, "一年"),
        ]),
        ("乔思伯", [
            ("D31 MESH", 399, "一年"),
            ("Z20", 299, "一年"),
            ("TK-1", 699, "一年"),
            ("C6 ITX", 499, "一年"),
        ]),
    ],
    "dy": [
        ("航嘉", [
            ("MVP K650 金牌全模组 650W", 469, "三年"),
            ("MVP K850 金牌全模组 850W", 699, "三年"),
            ("冷静王钻石版 额定500W", 249, "三年换新"),
            ("MVP P1000 白金全模组 1000W", 1099, "五年"),
        ]),
        ("长城", [
            ("G6 额定650W 金牌", 399, "三年"),
            ("X8 额定850W 金牌全模组", 649, "五年"),
            ("HOPE-5500ZK 额定450W", 199, "三年换新"),
            ("X10 额定1000W 金牌全模组", 899, "五年"),
        ]),
        ("海韵", [
            ("FOCUS GX-750 金牌全模组", 799, "十年"),
            ("FOCUS GX-1000 金牌全模组", 1299, "十年"),
            ("PRIME TX-1000 钛金全模组", 2199, "十二年"),
        ]),
        ("振华", [
            ("LEADEX G 750W 金牌全模组", 699, "十年"),
            ("LEADEX III 850W 金牌全模组", 899, "十年"),
            ("冰山金蝶 GX650", 499, "五年"),
        ]),
        ("酷冷至尊", [
            ("MWE 650 V2 金牌", 429, "五年"),
            ("GX III 850W 金牌全模组", 729, "十年"),
        ]),
        ("鑫谷", [
            ("GP700G 金牌", 349, "三年"),
            ("GP600G 黑金版", 289, "三年"),
            ("昆仑 KL-850G 金牌全模组", 599, "五年"),
        ]),
        ("先马", [
            ("黑钻石 额定500W", 189, "三年换新"),
            ("金牌750W 全模组", 479, "五年"),
            ("大师 额定600W", 269, "三年"),
        ]),
    ],
    "xsq": [
        ("戴尔", [
            ("U2424H 23.8英寸 IPS 120Hz", 1499, "三年"),
            ("S2721DGF 27英寸 2K 165Hz", 1899, "三年"),
            ("SE2425H 23.8英寸 75Hz", 649, "三年"),
            ("U2723QE 27英寸 4K Type-C", 3499, "三年"),
        ]),
        ("AOC", [
            ("24G2SP 23.8英寸 IPS 165Hz", 799, "三年"),
            ("Q27G4 27英寸 2K 180Hz", 1099, "三年"),
            ("U27N3R 27英寸 4K", 1599, "三年"),
        ]),
        ("三星", [
            ("玄龙骑士 G5 27英寸 2K 165Hz 曲面", 1399, "三年"),
            ("S24C310EAC 24英寸 IPS", 599, "三年"),
            ("玄龙骑士 G7 32英寸 4K 144Hz", 4499, "三年"),
        ]),
        ("飞利浦", [
            ("24E1N1100A 23.8英寸 100Hz", 499, "三年"),
            ("27M2N3500 27英寸 2K 180Hz", 1199, "三年"),
            ("279P1 27英寸 4K Type-C", 2199, "三年"),
        ]),
        ("明基", [
            ("EW2480 23.8英寸 IPS", 849, "三年"),
            ("EX2710Q 27英寸 2K 165Hz", 1999, "三年"),
            ("PD2705U 27英寸 4K 设计专用", 2999, "三年"),
        ]),
        ("LG", [
            ("24MR400 23.8英寸 IPS 100Hz", 599, "三年"),
            ("27GR75Q 27英寸 2K 165Hz", 1699, "三年"),
            ("27UP650 27英寸 4K HDR400", 2099, "三年"),
        ]),
        ("华硕", [
            ("VG249Q3A 23.8英寸 180Hz", 899, "三年"),
            ("ROG XG27ACS 27英寸 2K 180Hz", 2299, "三年"),
            ("TUF VG27AQ3A 27英寸 2K 180Hz", 1499, "三年"),
        ]),
    ],
    "js": [
        ("罗技", [
            ("MK275 无线键鼠套装", 99, "一年"),
            ("MK470 超薄无线键鼠套装", 269, "一年"),
            ("MK545 无线键鼠套装", 299, "一年"),
            ("G502 HERO 有线游戏鼠标", 279, "两年"),
            ("MX Keys S 无线键盘", 799, "一年"),
        ]),
        ("雷柏", [
            ("X120Pro 有线键鼠套装", 59, "一年"),
            ("8100GT 无线键鼠套装", 129, "一年"),
            ("V700RGB 机械键盘", 199, "一年"),
        ]),
        ("雷蛇", [
            ("炼狱蝰蛇 V3 有线鼠标", 199, "两年"),
            ("黑寡妇蜘蛛 V4 机械键盘", 999, "两年"),
            ("萨诺狼蛛 V2 键盘", 399, "两年"),
        ]),
        ("双飞燕", [
            ("KK-5520N 有线键鼠套装", 69, "一年包换"),
            ("FG1010 无线键鼠套装", 99, "一年"),
            ("KR-85 有线键盘", 39, "一年包换"),
        ]),
        ("达尔优", [
            ("EK815 机械键盘", 179, "一年"),
            ("A960 三模机械键盘", 399, "一年"),
            ("LM135 无线鼠标", 59, "一年"),
        ]),
        ("狼蛛", [
            ("F2088 机械键盘", 139, "一年"),
            ("M3 有线鼠标", 39, "一年包换"),
            ("F87Pro 三模机械键盘", 229, "一年"),
        ]),
    ],
    "yx": [
        ("漫步者", [
            ("R101V 2.1声道 多媒体音箱", 149, "一年"),
            ("R1080BT 2.0声道 蓝牙音箱", 299, "一年"),
            ("R1700BT 2.0声道 书架音箱", 699, "一年"),
            ("M230 电脑音箱", 199, "一年"),
        ]),
        ("惠威", [
            ("D1010-IV 2.0声道 蓝牙音箱", 399, "一年"),
            ("M200MKII 有源音箱", 1299, "两年"),
            ("T200C 有源书架音箱", 1099, "两年"),
        ]),
        ("麦博", [
            ("M200 2.1声道 多媒体音箱", 229, "一年"),
            ("FC330 2.1声道 音箱", 329, "一年"),
            ("X3 2.1声道 低音炮音箱", 279, "一年"),
        ]),
        ("飞利浦", [
            ("SPA20 USB迷你音箱", 49, "一年包换"),
            ("SPA2100 2.1声道 音箱", 169, "一年"),
            ("SPA5190 蓝牙音箱", 249, "一年"),
        ]),
        ("雅兰仕", [
            ("AL-2018 2.0声道 桌面音箱", 69, "一年包换"),
            ("F31 2.1声道 低音炮", 139, "一年"),
            ("F01 迷你USB音箱", 29, "一年包换"),
        ]),
    ],
    "srq": [
        ("利民", [
            ("PA120 SE 双塔风冷", 199, "一年"),
            ("AX120 R SE 单塔风冷", 89, "一年"),
            ("Frozen Warframe 360 水冷", 469, "三年"),
            ("Phantom Spirit 120 SE", 169, "一年"),
        ]),
        ("九州风神", [
            ("AK400 数显版", 149, "三年"),
            ("AK620 双塔风冷", 299, "三年"),
            ("LS720 360水冷", 699, "三年"),
            ("玄冰400 V5", 99, "一年"),
        ]),
        ("酷冷至尊", [
            ("T400i 单塔风冷", 89, "一年"),
            ("冰神 PL360 FLUX 水冷", 799, "五年"),
            ("Hyper 212 LED 单塔风冷", 129, "一年"),
        ]),
        ("超频三", [
            ("东海 R4000 单塔风冷", 79, "一年"),
            ("凌镜 GI-CX360 水冷", 499, "三年"),
            ("红海 mini 下压式风冷", 49, "一年包换"),
        ]),
        ("猫头鹰", [
            ("NH-D15 G2 双塔风冷", 1199, "六年"),
            ("NH-U12S redux", 429, "六年"),
            ("NH-L9i 下压式风冷", 399, "六年"),
        ]),
        ("乔思伯", [
            ("CR-1400 单塔风冷", 99, "一年"),
            ("TF2-360 水冷", 599, "三年"),
            ("HX6250 下压式风冷", 249, "一年"),
        ]),
    ],
}

# The order of the brand lists' category codes in the brand table.
BRAND_CODES = ["zb", "cpu", "xk", "yp", "nc", "gq", "jx", "dy", "xsq", "js", "yx", "srq"]


def quoted(text):
    """A SQL string literal for the catalogue's texts (no backslashes occur)."""
    assert "\\" not in text
    return "'" + text.replace("'", "''") + "'"


class Pictures:
    """Picture file names, counted per category code: zb_0001.jpg, ..."""

    def __init__(self):
        self.counts = {}

    def next(self, code):
        self.counts[code] = self.counts.get(code, 0) + 1
        return "%s_%04d.jpg" % (code, self.counts[code])


def motherboards(pictures):
    rows = []
    for platform_id, _name, _brief in PLATFORMS:
        for tier, (chipset, price) in enumerate(CHIPSETS[platform_id]):
            for brand, premium, series in BOARD_SERIES:
                model = series[tier].format(c=chipset)
                integrated = tier == 0
                connector = chipset not in NO_DISPLAY_OUTPUT
                rows.append(("zb", brand, platform_id, price + premium, model,
                             BOARD_WARRANTY[tier], pictures.next("zb"),
                             "a" if integrated else "", "a" if connector else "", None))
    return rows


def cpus(pictures):
    rows = []
    for platform_id, name, _brief in PLATFORMS:
        maker = "Intel" if name.startswith("Intel") else "AMD"
        boxed, tray = CPU_BRANDS[maker]
        for model, price, graphics in CPUS[platform_id]:
            flag = "a" if graphics else ""
            rows.append(("cpu", boxed, platform_id, price, model + " 盒装", "三年",
                         pictures.next("cpu"), None, None, flag))
            # The popular models are also sold as tray parts.
            if price < 2500:
                rows.append(("cpu", tray, platform_id, price - 60 - price // 20, model + " 散片",
                             "一年", pictures.next("cpu"), None, None, flag))
    return rows


def other_products(pictures):
    rows = []
    for code, brands in PRODUCTS.items():
        for brand, models in brands:
            for model, price, warranty in models:
                rows.append((code, brand, None, price, model, warranty, pictures.next(code), None,
                             None, None))
    return rows


def brand_rows():
    brands = {
        "zb": [b for b, _p, _s in BOARD_SERIES],
        "cpu": [CPU_BRANDS["Intel"][0], CPU_BRANDS["Intel"][1], CPU_BRANDS["AMD"][0],
                CPU_BRANDS["AMD"][1]],
    }
    for code, entries in PRODUCTS.items():
        brands[code] = [brand for brand, _models in entries]
    rows = []
    for code in BRAND_CODES:
        names = brands[code]
        assert 4 <= len(names) <= 10, code
        rows.extend((name, code, order * 10) for order, name in enumerate(names, start=1))
    return rows


def value(item):
    if item is None:
        return "NULL"
    if isinstance(item, int):
        return str(item)
    return quoted(item)


def insert(table, columns, rows, batch=50):
    lines = []
    for start in range(0, len(rows), batch):
        chunk = rows[start:start + batch]
        lines.append("INSERT INTO %s (%s) VALUES" % (table, ", ".join(columns)))
        lines.append(",\n".join("  (" + ", ".join(value(v) for v in row) + ")" for row in chunk)
                     + ";")
    return "\n".join(lines)


SCHEMA = """\
CREATE TABLE zov_Platform_b (
  Platform_ID INT NOT NULL PRIMARY KEY,
  Platform VARCHAR(64) NOT NULL,
  Brief VARCHAR(255) NULL,
  sort INT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

CREATE TABLE zov_brand_b (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  brand VARCHAR(64) NOT NULL,
  sort VARCHAR(8) NOT NULL,
  paixu INT NOT NULL,
  KEY sort_paixu (sort, paixu)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

CREATE TABLE zov_access_b (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  sort VARCHAR(8) NOT NULL,
  brand VARCHAR(64) NOT NULL,
  Platform_ID INT NULL,
  jg INT NOT NULL,
  model VARCHAR(128) NOT NULL,
  repair VARCHAR(64) NULL,
  tp VARCHAR(128) NULL,
  zbjx VARCHAR(4) NULL,
  xkjk VARCHAR(4) NULL,
  cpujx VARCHAR(4) NULL,
  KEY sort_brand (sort, brand),
  KEY sort_platform (sort, Platform_ID)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;
"""

PRODUCT_COLUMNS = ["sort", "brand", "Platform_ID", "jg", "model", "repair", "tp", "zbjx", "xkjk",
                   "cpujx"]


def catalogue_sql():
    pictures = Pictures()
    products = motherboards(pictures) + cpus(pictures) + other_products(pictures)
    platforms = [(pid, name, brief, pid) for pid, name, brief in PLATFORMS]
    parts = [
        "-- The demo catalogue of a PC-parts reseller, loaded into the database zov_k by",
        "-- scripts/catalogue_server. Written by scripts/generate_demo_catalogue.py: edit",
        "-- the script, not this file. This file is UTF-8; the tables store GBK.",
        "-- %d platforms, %d brands, %d products." % (len(platforms), len(brand_rows()),
                                                      len(products)),
        "",
        SCHEMA,
        insert("zov_Platform_b", ["Platform_ID", "Platform", "Brief", "sort"], platforms) + "\n",
        insert("zov_brand_b", ["brand", "sort", "paixu"], brand_rows()) + "\n",
        insert("zov_access_b", PRODUCT_COLUMNS, products) + "\n",
    ]
    text = "\n".join(parts)
    text.encode("gbk")  # every text must be storable in the GBK tables
    return text, len(products)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "demo", "catalogue.sql")
    text, count = catalogue_sql()
    assert count >= 400, count
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("wrote %s: %d products" % (output, count), file=sys.stderr)


if __name__ == "__main__":
    main()
