// The error log and the checks that feed it: WriteErrorLog appends one entry
// (cut to the 152 bytes of the G_HEADER record, followed by CR LF);
// IsHalfWidthAlnum and RegisterAssetCode are the code checks of the row
// conversion. Entries are counted by kind for the closing summary.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "export/GkWriter.h"

int ClGkWriter::WriteErrorLog(const char* message)
{
    if (!EnsureLogOpen())
        return 1;
    m_fileLog.Attach(&m_accHeader);
    // The data file's header set this mode already; set again so that an
    // entry is its text alone whatever ran before.
    m_accHeader.SetMode(DELIM_COMMA, QUOTE_NONE);
    StGHEADERREC& rec = m_accHeader.Record();
    memset(&rec, 0, sizeof rec);
    size_t length = strlen(message);
    size_t keep = length < sizeof rec.szText - 1 ? length : sizeof rec.szText - 1;
    memcpy(rec.szText, message, keep);
    NoteWrite(GK_FILE_LOG, m_accHeader.Write());
    return 1;
}

// Formats the entry in full (every placeholder's text is bounded by its record
// field, so the buffer always holds it) and hands it to WriteErrorLog.
void ClGkWriter::LogEntry(int entry, ...)
{
    char message[1024];
    va_list args;
    va_start(args, entry);
    vsnprintf(message, sizeof message, GK_LOG_FORMATS[entry], args);
    va_end(args);
    ++m_summary.alEntries[entry];
    WriteErrorLog(message);
}

bool ClGkWriter::IsHalfWidthAlnum(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        bool alnum = (*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z');
        if (!alnum)
            return false;
    }
    return true;
}

int ClGkWriter::RegisterAssetCode(const char* code)
{
    return m_listCodes.Register(code);
}

void ClGkWriter::ReserveAssetCodes(long codes)
{
    if (codes > 0)
        m_listCodes.Reserve(static_cast<size_t>(codes));
}
