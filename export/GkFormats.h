// The format tables of the export files and their byte-packed records.
//
// G_HEADER: one text line (the header block of the asset data file, the header
// lines of the asset-type file and the error-log entries); G_HEAD: the
// column-name line of the asset data file; G_INFO: one data row of it; G_SSC:
// one row of the asset-type file. Every record holds its fields end to end in
// table order, so each offset is the sum of the sizes before it; the checks at
// the end of this file hold the tables to that and to their record sizes at
// compile time, and the conversion code reaches a field only through its item.
#pragma once

#include <cstddef>
#include <cstdint>

#include "textaccessor/textaccessor.h"

enum {
    G_HEADER_COUNT = 1,
    G_HEAD_COUNT = 143,
    G_INFO_COUNT = 143,
    G_SSC_COUNT = 16,
};

enum {
    G_HEADER_SIZE = 153,
    G_HEAD_SIZE = 2514,
    G_INFO_SIZE = 1304,
    G_SSC_SIZE = 150,
};

#pragma pack(push, 1)
// One text of at most 152 bytes and its NUL.
struct StGHEADERREC {
    char szText[G_HEADER_SIZE];
};
// The 143 column names, each at its G_HEAD item's offset.
struct StGHEADREC {
    unsigned char abField[G_HEAD_SIZE];
};
// The 143 columns of a data row, each at its G_INFO item's offset.
struct StGINFOREC {
    unsigned char abField[G_INFO_SIZE];
};
// The 16 columns of an asset-type row, each at its G_SSC item's offset.
struct StGSSCREC {
    unsigned char abField[G_SSC_SIZE];
};
#pragma pack(pop)

// G_HEADER. Items: name, width, decimals, offset, size, type, required.
inline constexpr StTAFORMAT G_HEADER[G_HEADER_COUNT] = {
    {"資産コード文字", 152, 0, 0, 153, TA_STRING, 0},
};

// G_HEAD: the column-name line. Items: name, width, decimals, offset, size, type, required.
inline constexpr StTAFORMAT G_HEAD[G_HEAD_COUNT] = {
    {"資産コード文字", 17, 0, 0, 15, TA_STRING, 0}, // 0
    {"分割コード", 10, 0, 15, 11, TA_STRING, 0}, // 1
    {"資産種類コード", 14, 0, 26, 15, TA_STRING, 0}, // 2
    {"資産種類名", 10, 0, 41, 11, TA_STRING, 0}, // 3
    {"償却方法", 8, 0, 52, 9, TA_STRING, 0}, // 4
    {"資本的支出区分", 14, 0, 61, 15, TA_STRING, 0}, // 5
    {"本支店コード", 12, 0, 76, 13, TA_STRING, 1}, // 6
    {"部門コード", 10, 0, 89, 11, TA_STRING, 1}, // 7
    {"申告先地域コード", 16, 0, 100, 17, TA_STRING, 1}, // 8
    {"資産名称", 8, 0, 117, 9, TA_STRING, 0}, // 9
    {"構造名", 6, 0, 126, 7, TA_STRING, 0}, // 10
    {"細目名", 6, 0, 133, 7, TA_STRING, 0}, // 11
    {"取得年月日", 10, 0, 140, 11, TA_STRING, 1}, // 12
    {"数量", 4, 0, 151, 5, TA_STRING, 1}, // 13
    {"単位", 4, 0, 156, 5, TA_STRING, 0}, // 14
    {"耐用年数", 8, 0, 161, 9, TA_STRING, 1}, // 15
    {"耐用年数短縮", 12, 0, 170, 13, TA_STRING, 0}, // 16
    {"地方税耐用年数", 24, 0, 183, 25, TA_STRING, 1}, // 17
    {"償却率", 6, 0, 208, 7, TA_STRING, 1}, // 18
    {"経過措置", 8, 0, 215, 9, TA_STRING, 0}, // 19
    {"償却期間の月数", 14, 0, 224, 15, TA_STRING, 1}, // 20
    {"取得価額", 8, 0, 239, 9, TA_STRING, 1}, // 21
    {"経理方式", 18, 0, 248, 19, TA_STRING, 0}, // 22
    {"圧縮記帳額", 10, 0, 267, 11, TA_STRING, 1}, // 23
    {"期首圧縮引当金残高", 22, 0, 278, 23, TA_STRING, 1}, // 24
    {"引当金期中取崩額", 16, 0, 301, 17, TA_STRING, 1}, // 25
    {"差引取得価額", 12, 0, 318, 13, TA_STRING, 1}, // 26
    {"残存価額率", 12, 0, 331, 13, TA_STRING, 1}, // 27
    {"入力残存価額", 16, 0, 344, 17, TA_STRING, 1}, // 28
    {"残存価額", 8, 0, 361, 9, TA_STRING, 1}, // 29
    {"償却可能限度額率", 18, 0, 370, 19, TA_STRING, 1}, // 30
    {"入力償却可能限度額", 22, 0, 389, 23, TA_STRING, 1}, // 31
    {"償却可能限度額", 14, 0, 412, 15, TA_STRING, 1}, // 32
    {"入力償却月数", 16, 0, 427, 17, TA_STRING, 1}, // 33
    {"償却月数", 8, 0, 444, 9, TA_STRING, 1}, // 34
    {"期首帳簿価額(入力)", 18, 0, 453, 19, TA_STRING, 0}, // 35
    {"期首帳簿価額", 12, 0, 472, 13, TA_STRING, 1}, // 36
    {"変更期首帳簿価額", 60, 0, 485, 61, TA_STRING, 1}, // 37
    {"残存簿価(入力)", 16, 0, 546, 17, TA_STRING, 0}, // 38
    {"残存簿価", 8, 0, 563, 9, TA_STRING, 0}, // 39
    {"改定取得価額(入力)", 20, 0, 572, 21, TA_STRING, 0}, // 40
    {"改定取得価額", 12, 0, 593, 13, TA_STRING, 0}, // 41
    {"償却基礎金額", 22, 0, 606, 23, TA_STRING, 1}, // 42
    {"入力算出償却額", 18, 0, 629, 19, TA_STRING, 1}, // 43
    {"算出償却額", 10, 0, 648, 11, TA_STRING, 1}, // 44
    {"期首償却過不足額", 16, 0, 659, 17, TA_STRING, 1}, // 45
    {"増加償却割合", 12, 0, 676, 13, TA_STRING, 1}, // 46
    {"入力増加償却額", 18, 0, 689, 19, TA_STRING, 1}, // 47
    {"増加償却額", 10, 0, 708, 11, TA_STRING, 1}, // 48
    {"特別償却区分", 12, 0, 719, 13, TA_STRING, 0}, // 49
    {"摘要条", 12, 0, 732, 13, TA_STRING, 0}, // 50
    {"摘要項", 12, 0, 745, 13, TA_STRING, 0}, // 51
    {"特別償却率", 12, 0, 758, 13, TA_STRING, 1}, // 52
    {"入力特別償却金額", 20, 0, 771, 21, TA_STRING, 1}, // 53
    {"特別償却金額", 12, 0, 792, 13, TA_STRING, 1}, // 54
    {"経理処理区分", 12, 0, 805, 13, TA_STRING, 0}, // 55
    {"当期償却限度額", 14, 0, 818, 15, TA_STRING, 1}, // 56
    {"入力当期償却額", 18, 0, 833, 19, TA_STRING, 1}, // 57
    {"当期償却額", 10, 0, 852, 11, TA_STRING, 1}, // 58
    {"償却過不足額", 12, 0, 863, 13, TA_STRING, 1}, // 59
    {"償却実施率", 10, 0, 876, 11, TA_STRING, 1}, // 60
    {"分子事業専用割合", 20, 0, 887, 21, TA_STRING, 1}, // 61
    {"分母事業専用割合", 20, 0, 908, 21, TA_STRING, 1}, // 62
    {"除却年月日", 10, 0, 929, 11, TA_STRING, 1}, // 63
    {"除却計算方法", 16, 0, 940, 17, TA_STRING, 0}, // 64
    {"除却区分", 8, 0, 957, 9, TA_STRING, 0}, // 65
    {"除売却価額", 10, 0, 966, 11, TA_STRING, 0}, // 66
    {"有姿除却年月日", 14, 0, 977, 15, TA_STRING, 1}, // 67
    {"有姿除却時の計算方法", 20, 0, 992, 21, TA_STRING, 0}, // 68
    {"処分見込価額", 22, 0, 1013, 23, TA_STRING, 1}, // 69
    {"処分年月日", 22, 0, 1036, 23, TA_STRING, 1}, // 70
    {"前期除却区分", 12, 0, 1059, 13, TA_STRING, 1}, // 71
    {"期末帳簿価額", 12, 0, 1072, 13, TA_STRING, 1}, // 72
    {"期末引当", 12, 0, 1085, 13, TA_STRING, 1}, // 73
    {"償却累計額", 10, 0, 1098, 11, TA_STRING, 1}, // 74
    {"分子販売管理費", 18, 0, 1109, 19, TA_STRING, 1}, // 75
    {"分母販売管理費", 18, 0, 1128, 19, TA_STRING, 1}, // 76
    {"販売管理費", 10, 0, 1147, 11, TA_STRING, 1}, // 77
    {"分子製造原価", 16, 0, 1158, 17, TA_STRING, 1}, // 78
    {"分母製造原価", 16, 0, 1175, 17, TA_STRING, 1}, // 79
    {"製造原価", 8, 0, 1192, 9, TA_STRING, 1}, // 80
    {"分子営業外費用", 18, 0, 1201, 19, TA_STRING, 1}, // 81
    {"分母営業外費用", 18, 0, 1220, 19, TA_STRING, 1}, // 82
    {"営業外費用", 10, 0, 1239, 11, TA_STRING, 1}, // 83
    {"償却資産種類", 12, 0, 1250, 13, TA_STRING, 0}, // 84
    {"地域移動", 8, 0, 1263, 9, TA_STRING, 1}, // 85
    {"地域コード", 28, 0, 1272, 29, TA_STRING, 1}, // 86
    {"償却資産資産コード(入力)", 26, 0, 1301, 27, TA_STRING, 0}, // 87
    {"償却資産資産コード", 18, 0, 1328, 19, TA_STRING, 0}, // 88
    {"償却資産用取得価額 入力フラグ", 30, 0, 1347, 31, TA_STRING, 0}, // 89
    {"償却資産用取得価額 手入力", 26, 0, 1378, 27, TA_STRING, 0}, // 90
    {"摘要全資産1", 18, 0, 1405, 19, TA_STRING, 0}, // 91
    {"摘要全資産2", 18, 0, 1424, 19, TA_STRING, 0}, // 92
    {"摘要減少1", 14, 0, 1443, 15, TA_STRING, 0}, // 93
    {"摘要減少2", 14, 0, 1458, 15, TA_STRING, 0}, // 94
    {"入力前帳簿価額", 22, 0, 1473, 23, TA_STRING, 1}, // 95
    {"前帳簿価額", 14, 0, 1496, 15, TA_STRING, 1}, // 96
    {"入力前評価額", 22, 0, 1511, 23, TA_STRING, 1}, // 97
    {"前評価額", 14, 0, 1534, 15, TA_STRING, 1}, // 98
    {"入力今帳簿価額", 22, 0, 1549, 23, TA_STRING, 1}, // 99
    {"今帳簿価額", 14, 0, 1572, 15, TA_STRING, 1}, // 100
    {"入力今評価額", 20, 0, 1587, 21, TA_STRING, 1}, // 101
    {"今評価額", 12, 0, 1608, 13, TA_STRING, 1}, // 102
    {"分子特例課税", 22, 0, 1621, 23, TA_STRING, 1}, // 103
    {"分母特例課税", 22, 0, 1644, 23, TA_STRING, 1}, // 104
    {"適用終了年度", 18, 0, 1667, 19, TA_STRING, 1}, // 105
    {"増加事由", 8, 0, 1686, 9, TA_STRING, 1}, // 106
    {"減少事由", 8, 0, 1695, 9, TA_STRING, 1}, // 107
    {"減少区分", 8, 0, 1704, 9, TA_STRING, 0}, // 108
    {"当期減損処理設定", 16, 0, 1713, 17, TA_STRING, 0}, // 109
    {"減損年月日(当期)", 18, 0, 1730, 19, TA_STRING, 0}, // 110
    {"減損損失計上(当期)", 20, 0, 1749, 21, TA_STRING, 0}, // 111
    {"減損前帳簿価額(当期)(入力)", 30, 0, 1770, 31, TA_STRING, 0}, // 112
    {"減損前帳簿価額(当期)", 22, 0, 1801, 23, TA_STRING, 0}, // 113
    {"減損損失額(当期)", 18, 0, 1824, 19, TA_STRING, 0}, // 114
    {"減損後帳簿価額(当期)", 22, 0, 1843, 23, TA_STRING, 0}, // 115
    {"減損後耐用年数(当期)(入力)", 30, 0, 1866, 31, TA_STRING, 0}, // 116
    {"減損後耐用年数(当期)", 22, 0, 1897, 23, TA_STRING, 0}, // 117
    {"減損後償却率(当期)(入力)", 28, 0, 1920, 29, TA_STRING, 0}, // 118
    {"減損後償却率(当期)", 20, 0, 1949, 21, TA_STRING, 0}, // 119
    {"減損後残存価額(当期)(入力)", 30, 0, 1970, 31, TA_STRING, 0}, // 120
    {"減損後残存価額(当期)", 22, 0, 2001, 23, TA_STRING, 0}, // 121
    {"減損損失累計額(当期)", 22, 0, 2024, 23, TA_STRING, 0}, // 122
    {"過年度減損処理設定", 18, 0, 2047, 19, TA_STRING, 0}, // 123
    {"最終減損年月日(過年度)", 24, 0, 2066, 25, TA_STRING, 0}, // 124
    {"減損損失計上(過年度)", 22, 0, 2091, 23, TA_STRING, 0}, // 125
    {"減損後帳簿価額(過年度)", 24, 0, 2114, 25, TA_STRING, 0}, // 126
    {"減損損失累計額(過年度)", 24, 0, 2139, 25, TA_STRING, 0}, // 127
    {"減損後耐用年数(過年度)", 24, 0, 2164, 25, TA_STRING, 0}, // 128
    {"減損後償却率(過年度)(入力)", 30, 0, 2189, 31, TA_STRING, 0}, // 129
    {"減損後償却率(過年度)", 22, 0, 2220, 23, TA_STRING, 0}, // 130
    {"減損後残存価額(過年度)(入力)", 32, 0, 2243, 33, TA_STRING, 0}, // 131
    {"減損後残存価額(過年度)", 24, 0, 2276, 25, TA_STRING, 0}, // 132
    {"減損後改定取得価額(過年度)", 28, 0, 2301, 29, TA_STRING, 0}, // 133
    {"計算の基礎となる額(過年度)(入力)", 36, 0, 2330, 37, TA_STRING, 0}, // 134
    {"計算の基礎となる額(過年度)", 28, 0, 2367, 29, TA_STRING, 0}, // 135
    {"資産グループコード", 18, 0, 2396, 19, TA_STRING, 0}, // 136
    {"経過措置(減損用)", 18, 0, 2415, 19, TA_STRING, 0}, // 137
    {"耐用年数短縮(減損用)", 22, 0, 2434, 23, TA_STRING, 0}, // 138
    {"計算用の帳簿価額", 16, 0, 2457, 17, TA_STRING, 0}, // 139
    {"計算用の耐用年数", 16, 0, 2474, 17, TA_STRING, 0}, // 140
    {"メモ上", 10, 0, 2491, 11, TA_STRING, 0}, // 141
    {"メモ下", 11, 0, 2502, 12, TA_STRING, 0}, // 142
};

// The text each G_HEAD field receives; the line shows them joined by commas.
inline constexpr const char* G_HEAD_TEXTS[G_HEAD_COUNT] = {
    ";資産コード", // 0 a semicolon, then: asset code
    "分割コード", // 1 split code
    "資産種類コード", // 2 asset type code
    "資産種類名", // 3 asset type name
    "償却方法", // 4 depreciation method
    "資本的支出区分", // 5 capital-expenditure class
    "本支店コード", // 6 head or branch office code
    "部門コード", // 7 department code
    "申告先地域コード", // 8 filing region code
    "資産名称", // 9 asset name
    "構造名", // 10 structure name
    "細目名", // 11 detail name
    "取得年月日", // 12 acquisition date
    "数量", // 13 quantity
    "単位", // 14 unit
    "耐用年数", // 15 useful life
    "耐用年数短縮", // 16 shortened useful life
    "耐用年数(地方税計算用)", // 17 useful life for local-tax calculation
    "償却率", // 18 depreciation rate
    "経過措置", // 19 transitional measure
    "償却期間の月数", // 20 months of the depreciation period
    "取得価額", // 21 acquisition cost
    "圧縮記帳の経理方式", // 22 accounting method of the reduction entry
    "圧縮記帳額", // 23 reduction-entry amount
    "期首圧縮記帳引当金残高", // 24 opening balance of the reduction-entry reserve
    "引当金期中取崩額", // 25 reserve reversed during the period
    "差引取得価額", // 26 net acquisition cost
    "残存価額 率", // 27 residual value rate
    "残存価額(入力)", // 28 residual value, entered
    "残存価額", // 29 residual value
    "償却可能限度額 率", // 30 depreciable-limit rate
    "償却可能限度額(入力)", // 31 depreciable limit, entered
    "償却可能限度額", // 32 depreciable limit
    "償却月数(入力)", // 33 depreciation months, entered
    "償却月数", // 34 depreciation months
    "期首帳簿価額(入力)", // 35 opening book value, entered
    "期首帳簿価額", // 36 opening book value
    "期首帳簿価額(償却方法変更・耐用年数短縮・定率法経過措置用)", // 37 opening book value for a method change, shortened life or declining-balance transition
    "残存簿価(入力)", // 38 remaining book value, entered
    "残存簿価", // 39 remaining book value
    "改定取得価額(入力)", // 40 revised acquisition cost, entered
    "改定取得価額", // 41 revised acquisition cost
    "償却計算の基礎となる額", // 42 base amount of the depreciation calculation
    "算出償却額(入力)", // 43 calculated depreciation, entered
    "算出償却額", // 44 calculated depreciation
    "期首償却過不足額", // 45 opening depreciation excess or shortfall
    "増加償却割合", // 46 additional-depreciation ratio
    "増加償却額(入力)", // 47 additional depreciation, entered
    "増加償却額", // 48 additional depreciation
    "特別償却区分", // 49 special-depreciation class
    "摘要条項 条", // 50 applicable provision: article
    "摘要条項 項", // 51 applicable provision: paragraph
    "特別償却割合", // 52 special-depreciation ratio
    "特別償却金額(入力)", // 53 special-depreciation amount, entered
    "特別償却金額", // 54 special-depreciation amount
    "経理処理区分", // 55 accounting-treatment class
    "当期償却限度額", // 56 depreciation limit of the period
    "当期償却額(入力)", // 57 depreciation of the period, entered
    "当期償却額", // 58 depreciation of the period
    "償却過不足額", // 59 depreciation excess or shortfall
    "償却実施率", // 60 depreciation implementation rate
    "事業専用割合(分子)", // 61 business-use ratio, numerator
    "事業専用割合(分母)", // 62 business-use ratio, denominator
    "除却年月日", // 63 retirement date
    "除却時の計算方法", // 64 calculation method on retirement
    "除却区分", // 65 retirement class
    "除売却価額", // 66 retirement or sale price
    "有姿除却年月日", // 67 date of retirement in place
    "有姿除却時の計算方法", // 68 calculation method on retirement in place
    "有姿除却 処分見込価額", // 69 retirement in place: expected disposal value
    "有姿除却(処分)年月日", // 70 retirement in place: disposal date
    "前期除却区分", // 71 prior-period retirement class
    "期末帳簿価額", // 72 closing book value
    "期末引当金額", // 73 closing reserve amount
    "償却累計額", // 74 accumulated depreciation
    "販売管理費(分子)", // 75 selling and administrative expenses, numerator
    "販売管理費(分母)", // 76 selling and administrative expenses, denominator
    "販売管理費", // 77 selling and administrative expenses
    "製造原価(分子)", // 78 manufacturing cost, numerator
    "製造原価(分母)", // 79 manufacturing cost, denominator
    "製造原価", // 80 manufacturing cost
    "営業外費用(分子)", // 81 non-operating expenses, numerator
    "営業外費用(分母)", // 82 non-operating expenses, denominator
    "営業外費用", // 83 non-operating expenses
    "償却資産種類", // 84 depreciable-asset kind
    "地域移動", // 85 region move
    "地域移動 地域コード(前回)", // 86 region move: previous region code
    "償却資産資産コード(入力)", // 87 depreciable-asset code, entered
    "償却資産資産コード", // 88 depreciable-asset code
    "償却資産用取得価額 入力フラグ", // 89 acquisition cost for the depreciable-asset return: entered flag
    "償却資産用取得価額 手入力", // 90 acquisition cost for the depreciable-asset return: manual entry
    "摘要全資産等(1)", // 91 remarks on all assets (1)
    "摘要全資産等(2)", // 92 remarks on all assets (2)
    "摘要減少(1)", // 93 remarks on decrease (1)
    "摘要減少(2)", // 94 remarks on decrease (2)
    "前回の帳簿価額(入力)", // 95 previous book value, entered
    "前回の帳簿価額", // 96 previous book value
    "前回の評価額(入力)", // 97 previous assessed value, entered
    "前回の評価額", // 98 previous assessed value
    "今回の帳簿価額(入力)", // 99 current book value, entered
    "今回の帳簿価額", // 100 current book value
    "今回の評価額(入力)", // 101 current assessed value, entered
    "今回の評価額", // 102 current assessed value
    "課税標準の特例(分子)", // 103 special tax-base rule, numerator
    "課税標準の特例(分母)", // 104 special tax-base rule, denominator
    "特例の適用終了年度", // 105 last year of the special rule
    "増加事由", // 106 reason for increase
    "減少事由", // 107 reason for decrease
    "減少区分", // 108 decrease class
    "当期減損処理設定", // 109 impairment setting of the period
    "減損年月日(当期)", // 110 impairment date (period)
    "減損損失計上(当期)", // 111 impairment loss recorded (period)
    "減損前帳簿価額(当期)(入力)", // 112 book value before impairment (period), entered
    "減損前帳簿価額(当期)", // 113 book value before impairment (period)
    "減損損失額(当期)", // 114 impairment loss (period)
    "減損後帳簿価額(当期)", // 115 book value after impairment (period)
    "減損後耐用年数(当期)(入力)", // 116 useful life after impairment (period), entered
    "減損後耐用年数(当期)", // 117 useful life after impairment (period)
    "減損後償却率(当期)(入力)", // 118 depreciation rate after impairment (period), entered
    "減損後償却率(当期)", // 119 depreciation rate after impairment (period)
    "減損後残存価額(当期)(入力)", // 120 residual value after impairment (period), entered
    "減損後残存価額(当期)", // 121 residual value after impairment (period)
    "減損損失累計額(当期)", // 122 accumulated impairment loss (period)
    "過年度減損処理設定", // 123 impairment setting of past years
    "最終減損年月日(過年度)", // 124 last impairment date (past years)
    "減損損失計上(過年度)", // 125 impairment loss recorded (past years)
    "減損後帳簿価額(過年度)", // 126 book value after impairment (past years)
    "減損損失累計額(過年度)", // 127 accumulated impairment loss (past years)
    "減損後耐用年数(過年度)", // 128 useful life after impairment (past years)
    "減損後償却率(過年度)(入力)", // 129 depreciation rate after impairment (past years), entered
    "減損後償却率(過年度)", // 130 depreciation rate after impairment (past years)
    "減損後残存価額(過年度)(入力)", // 131 residual value after impairment (past years), entered
    "減損後残存価額(過年度)", // 132 residual value after impairment (past years)
    "減損後改定取得価額(過年度)", // 133 revised acquisition cost after impairment (past years)
    "計算の基礎となる額(過年度)(入力)", // 134 calculation base amount (past years), entered
    "計算の基礎となる額(過年度)", // 135 calculation base amount (past years)
    "資産グループコード", // 136 asset group code
    "経過措置(減損用)", // 137 transitional measure for impairment
    "耐用年数短縮(減損用)", // 138 shortened useful life for impairment
    "計算用の帳簿価額", // 139 book value for calculation
    "計算用の耐用年数", // 140 useful life for calculation
    "メモ欄上段", // 141 memo, upper line
    "メモ欄下段,", // 142 memo, lower line, then a comma
};

// G_INFO: one data row of the asset data file, column k being item k.
inline constexpr StTAFORMAT G_INFO[G_INFO_COUNT] = {
    {"資産コード文字", 8, 0, 0, 9, TA_STRING, 1}, // 0
    {"分割コード", 2, 0, 9, 3, TA_STRING, 1}, // 1
    {"資産種類コード", 2, 0, 12, 3, TA_STRING, 1}, // 2
    {"資産種類名", 20, 0, 15, 21, TA_STRING, 1}, // 3
    {"償却方法", 10, 0, 36, 11, TA_STRING, 1}, // 4
    {"資本的支出区分", 16, 0, 47, 17, TA_STRING, 1}, // 5
    {"本支店コード", 8, 0, 64, 4, TA_SIGNED, 1}, // 6
    {"部門コード", 5, 0, 68, 4, TA_SIGNED, 1}, // 7
    {"申告先地域コード", 5, 0, 72, 4, TA_SIGNED, 1}, // 8
    {"資産名称", 32, 0, 76, 33, TA_STRING, 1}, // 9
    {"構造名", 16, 0, 109, 17, TA_STRING, 1}, // 10
    {"細目名", 16, 0, 126, 17, TA_STRING, 1}, // 11
    {"取得日年月日", 8, 0, 143, 4, TA_SIGNED, 1}, // 12
    {"数量", 6, 2, 147, 8, TA_SIGNED, 1}, // 13
    {"単位", 4, 0, 155, 5, TA_STRING, 1}, // 14
    {"耐用年数", 3, 0, 160, 2, TA_SIGNED, 1}, // 15
    {"耐用年数短縮", 18, 0, 162, 19, TA_STRING, 0}, // 16
    {"地方税耐用年数", 3, 0, 181, 2, TA_SIGNED, 1}, // 17
    {"償却率", 1, 3, 183, 8, TA_SIGNED, 1}, // 18
    {"経過措置", 10, 0, 191, 11, TA_STRING, 0}, // 19
    {"償却期間の月数", 4, 0, 202, 5, TA_STRING, 1}, // 20
    {"取得価額", 12, 0, 207, 13, TA_STRING, 1}, // 21
    {"経理方式", 8, 0, 220, 9, TA_STRING, 1}, // 22
    {"圧縮記帳額", 12, 0, 229, 13, TA_STRING, 1}, // 23
    {"期首圧縮引当金残高", 12, 0, 242, 13, TA_STRING, 1}, // 24
    {"引当金期中取崩額", 12, 0, 255, 13, TA_STRING, 1}, // 25
    {"差引取得価額", 12, 0, 268, 13, TA_STRING, 1}, // 26
    {"残存価額率", 3, 0, 281, 4, TA_SIGNED, 1}, // 27
    {"入力残存価額", 1, 0, 285, 2, TA_STRING, 1}, // 28
    {"残存価額", 12, 0, 287, 13, TA_STRING, 1}, // 29
    {"償却可能限度額率", 3, 0, 300, 4, TA_SIGNED, 1}, // 30
    {"入力償却可能限度額", 1, 0, 304, 2, TA_STRING, 1}, // 31
    {"償却可能限度額", 12, 0, 306, 13, TA_STRING, 1}, // 32
    {"入力償却月数", 1, 0, 319, 2, TA_STRING, 1}, // 33
    {"償却月数", 2, 0, 321, 2, TA_SIGNED, 1}, // 34
    {"期首帳簿価額(入力)", 1, 0, 323, 2, TA_STRING, 0}, // 35
    {"期首帳簿価格", 12, 0, 325, 13, TA_STRING, 1}, // 36
    {"変更期首帳簿価格", 12, 0, 338, 13, TA_STRING, 1}, // 37
    {"残存簿価(入力)", 1, 0, 351, 2, TA_STRING, 0}, // 38
    {"残存簿価", 12, 0, 353, 13, TA_STRING, 0}, // 39
    {"改定取得価額(入力)", 1, 0, 366, 2, TA_STRING, 0}, // 40
    {"改定取得価額", 12, 0, 368, 13, TA_STRING, 0}, // 41
    {"償却基礎金額", 12, 0, 381, 13, TA_STRING, 1}, // 42
    {"入力算出償却額", 1, 0, 394, 2, TA_STRING, 1}, // 43
    {"算出償却額", 12, 0, 396, 13, TA_STRING, 1}, // 44
    {"期首償却過不足額", 12, 0, 409, 13, TA_STRING, 1}, // 45
    {"増加償却割合", 3, 0, 422, 2, TA_SIGNED, 1}, // 46
    {"入力増加償却額", 1, 0, 424, 2, TA_STRING, 1}, // 47
    {"増加償却額", 12, 0, 426, 13, TA_STRING, 1}, // 48
    {"特別償却区分", 4, 0, 439, 5, TA_STRING, 1}, // 49
    {"摘要条", 10, 0, 444, 11, TA_STRING, 1}, // 50
    {"摘要項", 10, 0, 455, 11, TA_STRING, 1}, // 51
    {"特別償却率", 3, 0, 466, 4, TA_SIGNED, 1}, // 52
    {"入力特別償却金額", 1, 0, 470, 2, TA_STRING, 1}, // 53
    {"特別償却金額", 12, 0, 472, 13, TA_STRING, 1}, // 54
    {"経理処理区分", 6, 0, 485, 7, TA_STRING, 1}, // 55
    {"当期償却限度額", 12, 0, 492, 13, TA_STRING, 1}, // 56
    {"入力当期償却額", 1, 0, 505, 2, TA_STRING, 1}, // 57
    {"当期償却額", 12, 0, 507, 12, TA_STRING, 1}, // 58
    {"償却過不足額", 12, 0, 519, 13, TA_STRING, 1}, // 59
    {"償却実施率", 3, 0, 532, 4, TA_SIGNED, 1}, // 60
    {"分子事業専用割合", 3, 2, 536, 8, TA_SIGNED, 1}, // 61
    {"分母事業専用割合", 3, 2, 544, 8, TA_SIGNED, 1}, // 62
    {"除却年月日", 8, 0, 552, 4, TA_SIGNED, 1}, // 63
    {"除却計算方法", 14, 0, 556, 15, TA_STRING, 1}, // 64
    {"除却区分", 6, 0, 571, 7, TA_STRING, 0}, // 65
    {"除売却価額", 12, 0, 578, 13, TA_STRING, 0}, // 66
    {"有姿除却年月日", 8, 0, 591, 4, TA_SIGNED, 1}, // 67
    {"有姿除却時の計算方法", 14, 0, 595, 15, TA_STRING, 0}, // 68
    {"処分見込価額", 12, 0, 610, 13, TA_STRING, 1}, // 69
    {"処分年月日", 8, 0, 623, 4, TA_SIGNED, 1}, // 70
    {"前期除却区分", 1, 0, 627, 2, TA_STRING, 1}, // 71
    {"期末帳簿価額", 12, 0, 629, 13, TA_STRING, 1}, // 72
    {"期末引当", 12, 0, 642, 13, TA_STRING, 1}, // 73
    {"償却累計額", 12, 0, 655, 13, TA_STRING, 1}, // 74
    {"分子販売管理費", 3, 2, 668, 8, TA_SIGNED, 1}, // 75
    {"分母販売管理費", 3, 2, 676, 8, TA_SIGNED, 1}, // 76
    {"販売管理費", 12, 0, 684, 13, TA_STRING, 1}, // 77
    {"分子製造原価", 3, 2, 697, 8, TA_SIGNED, 1}, // 78
    {"分母製造原価", 3, 2, 705, 8, TA_SIGNED, 1}, // 79
    {"製造原価", 12, 0, 713, 13, TA_STRING, 1}, // 80
    {"分子営業外費用", 3, 2, 726, 8, TA_SIGNED, 1}, // 81
    {"分母営業外費用", 3, 2, 734, 8, TA_SIGNED, 1}, // 82
    {"営業外費用", 12, 0, 742, 13, TA_STRING, 1}, // 83
    {"償却資産種類", 16, 0, 755, 17, TA_STRING, 1}, // 84
    {"地域移動", 1, 0, 772, 2, TA_STRING, 1}, // 85
    {"地域コード", 8, 0, 774, 9, TA_STRING, 1}, // 86
    {"償却資産用資産コード入力区分", 1, 0, 783, 2, TA_STRING, 0}, // 87
    {"償却資産用資産コード", 20, 0, 785, 21, TA_STRING, 0}, // 88
    {"償却資産用取得価額 入力フラグ", 1, 0, 806, 2, TA_STRING, 0}, // 89
    {"償却資産用取得価額 手入力", 12, 0, 808, 13, TA_STRING, 0}, // 90
    {"摘要全資産1", 20, 0, 821, 21, TA_STRING, 1}, // 91
    {"摘要全資産2", 20, 0, 842, 21, TA_STRING, 1}, // 92
    {"摘要減少1", 20, 0, 863, 21, TA_STRING, 1}, // 93
    {"摘要減少2", 20, 0, 884, 21, TA_STRING, 1}, // 94
    {"入力前帳簿価額", 1, 0, 905, 2, TA_STRING, 1}, // 95
    {"前帳簿価額", 12, 0, 907, 13, TA_STRING, 1}, // 96
    {"入力前評価額", 1, 0, 920, 2, TA_STRING, 1}, // 97
    {"前評価額", 12, 0, 922, 13, TA_STRING, 1}, // 98
    {"入力今帳簿価額", 1, 0, 935, 2, TA_STRING, 1}, // 99
    {"今帳簿価額", 12, 0, 937, 13, TA_STRING, 1}, // 100
    {"入力今評価額", 1, 0, 950, 2, TA_STRING, 1}, // 101
    {"今評価額", 12, 0, 952, 13, TA_STRING, 1}, // 102
    {"分子特例課税", 1, 0, 965, 2, TA_SIGNED, 1}, // 103
    {"分母特例課税", 2, 0, 967, 2, TA_SIGNED, 1}, // 104
    {"適用終了年度", 2, 0, 969, 2, TA_SIGNED, 1}, // 105
    {"増加事由", 6, 0, 971, 7, TA_STRING, 1}, // 106
    {"減少事由", 6, 0, 978, 7, TA_STRING, 1}, // 107
    {"減少区分", 4, 0, 985, 5, TA_STRING, 1}, // 108
    {"当期減損処理設定", 1, 0, 990, 2, TA_STRING, 0}, // 109
    {"減損年月日(当期)", 8, 0, 992, 4, TA_SIGNED, 0}, // 110
    {"減損損失計上(当期)", 16, 0, 996, 17, TA_STRING, 0}, // 111
    {"減損前帳簿価額(当期)(入力)", 1, 0, 1013, 2, TA_STRING, 0}, // 112
    {"減損前帳簿価額(当期)", 12, 0, 1015, 13, TA_STRING, 0}, // 113
    {"減損損失額(当期)", 12, 0, 1028, 13, TA_STRING, 0}, // 114
    {"減損後帳簿価額(当期)", 12, 0, 1041, 13, TA_STRING, 0}, // 115
    {"減損後耐用年数(当期)(入力)", 1, 0, 1054, 2, TA_STRING, 0}, // 116
    {"減損後耐用年数(当期)", 12, 0, 1056, 13, TA_STRING, 0}, // 117
    {"減損後償却率(当期)(入力)", 1, 0, 1069, 2, TA_STRING, 0}, // 118
    {"減損後償却率(当期)", 1, 3, 1071, 8, TA_SIGNED, 0}, // 119
    {"減損後残存価額(当期)(入力)", 1, 0, 1079, 2, TA_STRING, 0}, // 120
    {"減損後残存価額(当期)", 12, 0, 1081, 13, TA_STRING, 0}, // 121
    {"減損損失累計額(当期)", 12, 0, 1094, 13, TA_STRING, 0}, // 122
    {"過年度減損処理設定", 1, 0, 1107, 2, TA_STRING, 0}, // 123
    {"最終減損年月日(過年度)", 8, 0, 1109, 4, TA_SIGNED, 0}, // 124
    {"減損損失計上(過年度)", 16, 0, 1113, 17, TA_STRING, 0}, // 125
    {"減損後帳簿価額(過年度)", 12, 0, 1130, 13, TA_STRING, 0}, // 126
    {"減損損失累計額(過年度)", 12, 0, 1143, 13, TA_STRING, 0}, // 127
    {"減損後耐用年数(過年度)", 4, 0, 1156, 4, TA_SIGNED, 0}, // 128
    {"減損後償却率(過年度)(入力)", 1, 0, 1160, 2, TA_STRING, 0}, // 129
    {"減損後償却率(過年度)", 1, 3, 1162, 8, TA_SIGNED, 0}, // 130
    {"減損後残存価額(過年度)(入力)", 1, 0, 1170, 2, TA_STRING, 0}, // 131
    {"減損後残存価額(過年度)", 12, 0, 1172, 13, TA_STRING, 0}, // 132
    {"減損後改定取得価額(過年度)", 12, 0, 1185, 13, TA_STRING, 0}, // 133
    {"計算の基礎となる額(過年度)(入力)", 1, 0, 1198, 2, TA_STRING, 0}, // 134
    {"計算の基礎となる額(過年度)", 12, 0, 1200, 13, TA_STRING, 0}, // 135
    {"資産グループコード", 5, 0, 1213, 4, TA_SIGNED, 0}, // 136
    {"経過措置(減損用)", 10, 0, 1217, 11, TA_STRING, 0}, // 137
    {"耐用年数短縮(減損用)", 18, 0, 1228, 19, TA_STRING, 0}, // 138
    {"計算用の帳簿価額", 12, 0, 1247, 13, TA_STRING, 0}, // 139
    {"計算用の耐用年数", 3, 0, 1260, 2, TA_SIGNED, 0}, // 140
    {"メモ上", 20, 0, 1262, 21, TA_STRING, 1}, // 141
    {"メモ下", 20, 0, 1283, 21, TA_STRING, 1}, // 142
};

// G_SSC: one row of the asset-type file.
inline constexpr StTAFORMAT G_SSC[G_SSC_COUNT] = {
    {"資産種類コード文字", 2, 0, 0, 3, TA_STRING, 0}, // 0 asset-type code
    {"資産種類名", 12, 0, 3, 13, TA_STRING, 0}, // 1 asset-type name
    {"資産分類区分", 12, 0, 16, 13, TA_STRING, 0}, // 2 asset class
    {"償却区分", 10, 0, 29, 11, TA_STRING, 0}, // 3 depreciation class
    {"償却方法", 10, 0, 40, 11, TA_STRING, 0}, // 4 depreciation method
    {"除却方法", 14, 0, 51, 15, TA_STRING, 0}, // 5 retirement method
    {"残存割合", 2, 0, 66, 4, TA_SIGNED, 1}, // 6 residual ratio
    {"償却可能限度割合", 2, 0, 70, 4, TA_SIGNED, 1}, // 7 depreciable-limit ratio
    {"償却資産申告の種類名称", 16, 0, 74, 17, TA_STRING, 0}, // 8 kind name in the depreciable-asset declaration
    {"経費按分割合1分子", 6, 2, 91, 8, TA_SIGNED, 1}, // 9 expense apportionment 1, numerator
    {"経費按分割合1分母", 6, 2, 99, 8, TA_SIGNED, 1}, // 10 expense apportionment 1, denominator
    {"経費按分割合2分子", 6, 2, 107, 8, TA_SIGNED, 1}, // 11 expense apportionment 2, numerator
    {"経費按分割合2分母", 6, 2, 115, 8, TA_SIGNED, 1}, // 12 expense apportionment 2, denominator
    {"経費按分割合3分子", 6, 2, 123, 8, TA_SIGNED, 1}, // 13 expense apportionment 3, numerator
    {"経費按分割合3分母", 6, 2, 131, 8, TA_SIGNED, 1}, // 14 expense apportionment 3, denominator
    {"生物区分", 10, 0, 139, 11, TA_STRING, 0}, // 15 living-asset class
};

// Compile-time checks of the tables against their records.
namespace gk_formats_check {

constexpr bool IsPacked(const StTAFORMAT* table, int count)
{
    int32_t offset = 0;
    for (int i = 0; i < count; ++i) {
        if (table[i].offset != offset)
            return false;
        offset += table[i].size;
    }
    return true;
}

constexpr int32_t RecordSize(const StTAFORMAT* table, int count)
{
    return table[count - 1].offset + table[count - 1].size;
}

// Strings hold at least their NUL; numbers are 2-, 4- or 8-byte signed fields,
// and only 8-byte ones carry decimals.
constexpr bool ItemsAreSound(const StTAFORMAT* table, int count)
{
    for (int i = 0; i < count; ++i) {
        const StTAFORMAT& f = table[i];
        if (f.type == TA_STRING) {
            if (f.size < 1 || f.width < 1 || f.decimals != 0)
                return false;
        } else if (f.type == TA_SIGNED) {
            if (f.size != 2 && f.size != 4 && f.size != 8)
                return false;
            if (f.size != 8 && f.decimals != 0)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

constexpr int32_t Length(const char* text)
{
    int32_t n = 0;
    while (text[n] != '\0')
        ++n;
    return n;
}

// Every column name fits its field with the NUL and is written whole.
constexpr bool HeadTextsFit()
{
    for (int i = 0; i < G_HEAD_COUNT; ++i) {
        if (Length(G_HEAD_TEXTS[i]) > G_HEAD[i].size - 1 || Length(G_HEAD_TEXTS[i]) > G_HEAD[i].width)
            return false;
    }
    return true;
}

}  // namespace gk_formats_check

static_assert(gk_formats_check::IsPacked(G_HEADER, G_HEADER_COUNT), "G_HEADER offsets");
static_assert(gk_formats_check::IsPacked(G_HEAD, G_HEAD_COUNT), "G_HEAD offsets");
static_assert(gk_formats_check::IsPacked(G_INFO, G_INFO_COUNT), "G_INFO offsets");
static_assert(gk_formats_check::IsPacked(G_SSC, G_SSC_COUNT), "G_SSC offsets");
static_assert(gk_formats_check::RecordSize(G_HEADER, G_HEADER_COUNT) == G_HEADER_SIZE, "G_HEADER record size");
static_assert(gk_formats_check::RecordSize(G_HEAD, G_HEAD_COUNT) == G_HEAD_SIZE, "G_HEAD record size");
static_assert(gk_formats_check::RecordSize(G_INFO, G_INFO_COUNT) == G_INFO_SIZE, "G_INFO record size");
static_assert(gk_formats_check::RecordSize(G_SSC, G_SSC_COUNT) == G_SSC_SIZE, "G_SSC record size");
static_assert(sizeof(StGHEADERREC) == 153 && sizeof(StGHEADREC) == 2514, "record sizes");
static_assert(sizeof(StGINFOREC) == 1304 && sizeof(StGSSCREC) == 150, "record sizes");
static_assert(gk_formats_check::ItemsAreSound(G_HEADER, G_HEADER_COUNT), "G_HEADER items");
static_assert(gk_formats_check::ItemsAreSound(G_HEAD, G_HEAD_COUNT), "G_HEAD items");
static_assert(gk_formats_check::ItemsAreSound(G_INFO, G_INFO_COUNT), "G_INFO items");
static_assert(gk_formats_check::ItemsAreSound(G_SSC, G_SSC_COUNT), "G_SSC items");
static_assert(gk_formats_check::HeadTextsFit(), "column names fit their fields");
