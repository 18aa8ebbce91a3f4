// The asset-type file: seventeen header lines (a comment block and ini-style
// sections) and one row of 16 columns per asset type.
//
// The header lines go through the G_HEADER accessor in comma mode, so each is
// its text alone and CR LF. A type name
// never carries a comma, CR or LF into its row (they are replaced and logged,
// as in the data rows).
#include <cstdio>
#include <cstring>
#include <ctime>

#include "export/GkText.h"
#include "export/GkWriter.h"

namespace {

const char kSeparatorLine[] =
    ";/////////////////////////////////////////////////////////////////////////////////////////////";
static_assert(sizeof kSeparatorLine == 95, "a semicolon and 93 slashes");

const size_t kTypeNameWidth = 12;
const int64_t kHundredPercent = 1000000;  // 100.00 as tagCY

// The local date as year, month and day.
void Today(int32_t fixed, int* y, int* m, int* d)
{
    if (fixed != 0) {
        *y = fixed / 10000;
        *m = fixed / 100 % 100;
        *d = fixed % 100;
        return;
    }
    time_t now = time(nullptr);
    struct tm local;
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    *y = local.tm_year + 1900;
    *m = local.tm_mon + 1;
    *d = local.tm_mday;
}

void PutField(StGSSCREC& rec, int item, const char* text, size_t length)
{
    const StTAFORMAT& f = G_SSC[item];
    size_t room = static_cast<size_t>(f.width < f.size ? f.width : f.size);
    memcpy(rec.abField + f.offset, text, length < room ? length : room);
}

void PutField(StGSSCREC& rec, int item, const char* text)
{
    PutField(rec, item, text, strlen(text));
}

void PutInt32(StGSSCREC& rec, int item, int32_t value)
{
    memcpy(rec.abField + G_SSC[item].offset, &value, sizeof value);
}

void PutSscCy(StGSSCREC& rec, int item, int64_t value)
{
    memcpy(rec.abField + G_SSC[item].offset, &value, sizeof value);
}

}  // namespace

int ClGkWriter::WriteAssetTypeHeader(const StDATAINFO* info)
{
    const unsigned char kind = info ? info->cClientKind : 0xFF;
    const bool corporate = kind == 0 || kind == 1;
    const bool individual = kind == 3 || kind == 4;
    int y, m, d;
    Today(m_lExportDate, &y, &m, &d);
    char date[64];
    snprintf(date, sizeof date, ";日付\t\t：%d/%d/%d", y, m, d);

    const char* const lines[] = {
        kSeparatorLine,
        ";減価償却 資産種類ファイル",
        corporate ? ";顧問先\t\t：[0004 法人関与先]" : individual ? ";顧問先\t\t：[0004 個人関与先]" : "",
        date,
        ";備考\t\t：",
        ";",
        kSeparatorLine,
        "",
        "[Commonlnf]",
        "SisanSyuruiCDKetasuu=2",
        corporate ? "HoujinKojinKubun=1" : individual ? "HoujinKojinKubun=2" : "",
        "Version=17. 0. 0. 0(FILEVERSION=1.1)",
        "",
        "[Datalnf]",
        "SisanSyurui=1",
        "",
        "[SisanSyurui]",
    };
    static_assert(sizeof lines / sizeof lines[0] == 17, "seventeen header lines");

    m_fileSsc.Attach(&m_accHeader);
    m_accHeader.SetMode(DELIM_COMMA, QUOTE_NONE);
    StGHEADERREC& rec = m_accHeader.Record();
    for (const char* line : lines) {
        memset(&rec, 0, sizeof rec);
        snprintf(rec.szText, sizeof rec.szText, "%s", line);
        NoteWrite(GK_FILE_SSC, m_accHeader.Write());
    }
    return 1;
}

int ClGkWriter::WriteAssetTypeRow(const StSHISANKUBUNINFO* record)
{
    if (record == nullptr)
        return 1;
    const int32_t c = record->lTypeCode;
    const int m = record->nMethodCode;

    m_fileSsc.Attach(&m_accSsc);
    m_accSsc.SetMode(DELIM_COMMA, QUOTE_NONE);
    StGSSCREC& rec = m_accSsc.Record();
    memset(&rec, 0, sizeof rec);

    char text[64];
    int length = snprintf(text, sizeof text, "%02d", static_cast<int>(c));
    PutField(rec, 0, text, static_cast<size_t>(length));

    // The name, cut to 12 bytes at a character boundary.
    char name[sizeof record->szTypeName + 1];
    size_t nameLength = GkFieldLength(record->szTypeName, sizeof record->szTypeName);
    memcpy(name, record->szTypeName, nameLength);
    name[nameLength] = '\0';
    char clean[2 * sizeof record->szTypeName + 1];
    bool changed = false;
    size_t cleanLength = GkReplaceSeparators(name, nameLength, clean, &changed);
    if (changed) {
        char code[16];
        snprintf(code, sizeof code, "%d", static_cast<int>(c));
        LogEntry(GK_LOG_SEPARATOR, "資産種類コード", code, "資産種類名");
    }
    PutField(rec, 1, clean, GkHeadLength(clean, cleanLength, kTypeNameWidth));

    PutField(rec, 2, c == 9 ? "繰延資産" : "有形固定資産");
    PutField(rec, 3, c == 11 ? "非償却資産" : "償却資産");
    if (c != 11) {
        const char* method;
        if (m == 1 || m == 3)
            method = c == 9 ? "均等償却" : "定率法";
        else if (m == 2)
            method = c == 9 ? "均等償却" : "定額法";
        else if (m == 4)
            method = "一括決算";
        else
            method = "定率法";
        PutField(rec, 4, method);
        PutField(rec, 5, "除却日まで償却");
    }
    PutInt32(rec, 6, c == 9 || c == 11 ? 0 : record->lResidualRatio != 0 ? record->lResidualRatio : 10);
    PutInt32(rec, 7, c == 10 ? 10 : c == 9 || c == 11 ? 0 : 5);
    const char* kind = "";
    if (c == 1 || c == 4 || (c >= 6 && c <= 11))
        kind = "申告なし";
    else if (c == 2)
        kind = "構築物";
    else if (c == 3)
        kind = "機械及び装置";
    else if (c == 5)
        kind = "工具器具及び備品";
    PutField(rec, 8, kind);
    const int64_t share = c == 11 ? 0 : kHundredPercent;
    PutSscCy(rec, 9, 0);
    PutSscCy(rec, 10, share);
    PutSscCy(rec, 11, share);
    PutSscCy(rec, 12, share);
    PutSscCy(rec, 13, 0);
    PutSscCy(rec, 14, share);
    PutField(rec, 15, "該当しない");

    NoteWrite(GK_FILE_SSC, m_accSsc.Write());
    return 1;
}
