// The header block (six lines) and the column-name line of the asset data file.
//
// The header lines go through the one-text G_HEADER accessor, whose comma mode
// set here stays for the error-log entries and the asset-type header written
// with it later; each line is built inside the 153-byte record, so it keeps at
// most its first 152 bytes.
#include <cstdio>
#include <cstring>

#include "export/GkWriter.h"

namespace {

// Corporation or individual, by the client kind; null for neither.
const char* ClientKindText(unsigned char kind)
{
    if (kind == 0 || kind == 1)
        return "法人個人区分=法人";
    if (kind == 3 || kind == 4)
        return "法人個人区分=個人";
    return nullptr;
}

// The two texts joined, kept within the record: at most its first 152 bytes.
void Compose(StGHEADERREC& rec, const char* first, const char* second)
{
    size_t room = sizeof rec.szText - 1;
    size_t a = strlen(first);
    a = a < room ? a : room;
    memcpy(rec.szText, first, a);
    size_t b = strlen(second);
    b = b < room - a ? b : room - a;
    memcpy(rec.szText + a, second, b);
}

}  // namespace

int ClGkWriter::WriteDataFileHeader(const StDATAINFO* info)
{
    StDATAINFO none;
    if (info == nullptr) {
        memset(&none, 0, sizeof none);
        info = &none;
    }
    char company[sizeof info->szCompanyName + 1];
    size_t length = strnlen(info->szCompanyName, sizeof info->szCompanyName);
    memcpy(company, info->szCompanyName, length);
    company[length] = '\0';

    m_fileData.Attach(&m_accHeader);
    m_accHeader.SetMode(DELIM_COMMA, QUOTE_NONE);
    StGHEADERREC& rec = m_accHeader.Record();
    for (int line = 1; line <= 6; ++line) {
        memset(&rec, 0, sizeof rec);
        // snprintf keeps the line within the record, NUL included.
        switch (line) {
        case 1:
            snprintf(rec.szText, sizeof rec.szText, "%s%s", "バージョン=17. 0. 0. 0", "(FILEVERSION=1.7)");
            break;
        case 2:
            snprintf(rec.szText, sizeof rec.szText, "顧問先コード=");
            break;
        case 3:
            Compose(rec, "顧問先名称=", company);
            break;
        case 4:
            if (const char* text = ClientKindText(info->cClientKind))
                snprintf(rec.szText, sizeof rec.szText, "%s", text);
            break;
        case 5:
            snprintf(rec.szText, sizeof rec.szText, "事業年度開始日=%d", static_cast<int>(info->lPeriodStart));
            break;
        case 6:
            snprintf(rec.szText, sizeof rec.szText, "事業年度終了日=%d", static_cast<int>(info->lPeriodEnd));
            break;
        }
        NoteWrite(GK_FILE_DATA, m_accHeader.Write());
    }

    m_fileData.Attach(&m_accHead);
    m_accHead.SetMode(DELIM_COMMA, QUOTE_NONE);
    StGHEADREC& head = m_accHead.Record();
    memset(&head, 0, sizeof head);
    for (int i = 0; i < G_HEAD_COUNT; ++i)
        memcpy(head.abField + G_HEAD[i].offset, G_HEAD_TEXTS[i], strlen(G_HEAD_TEXTS[i]));
    NoteWrite(GK_FILE_DATA, m_accHead.Write());
    return 1;
}
