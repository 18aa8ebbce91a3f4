// ClTextAccessor: the reading side.
//
// Read takes one line into the last-line buffer, finds each field's text with
// the splitter of the delimiter mode, and converts and stores the fields
// through the working copy of the table. It works in fixed stack buffers and
// allocates nothing. Lines end at LF; the CR of a CR LF end is dropped, as a
// text-mode stream does on Windows, so files read the same on every platform.
#include <cstring>
#include <istream>
#include <streambuf>

#include "textaccessor/textaccessor.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

// Largest integer part, and its largest fraction, that still fit a tagCY.
const int64_t kMaxIntegerPart = INT64_MAX / 10000;
const int64_t kMaxFractionAtMax = INT64_MAX % 10000;

}  // namespace

long ClTextAccessor::Read()
{
    if (long usable = CheckUsable())
        return usable;
    if (m_pStream == nullptr || m_pStream->rdbuf() == nullptr)
        return TA_ERR_WRITE;

    if (long result = _RdNextRow(m_szLastLine, TA_LINE_BUFFER))
        return result;
    if (long result = _RdCmntRow(m_szLastLine))
        return result;
    if (m_bLineTooLong)
        return TA_READ_MISMATCH;

    StREADOFFSETINFO ofs[TA_MAX_READ_ITEMS];
    long split;
    switch (m_eDelimiter) {
    case DELIM_COMMA: split = _InitOfs_Comma(m_szLastLine, ofs); break;
    case DELIM_TAB: split = _InitOfs_Tab(m_szLastLine, ofs); break;
    case DELIM_SPACE: split = _InitOfs_Space(m_szLastLine, ofs); break;
    default: split = _InitOfs_Fixed(m_szLastLine, ofs); break;
    }
    if (split != 0)
        return split;

    const long positions = _GetItemNum();
    for (long k = 0; k < positions; ++k)
        if (long result = ReadItem(k, _GetItemNo(k), ofs[k].text, ofs[k].length))
            return result;
    return TA_READ_OK;
}

// Takes the next line, without its LF (and the CR before it), into `buffer`,
// which is cleared first. A line of more bytes than the buffer holds is taken
// whole from the stream, kept cut in the buffer, and marked too long. A last
// line without a line end is delivered like any other line.
long ClTextAccessor::_RdNextRow(char* buffer, long size)
{
    std::streambuf* in = m_pStream->rdbuf();
    memset(buffer, 0, static_cast<size_t>(size));
    long length = 0;
    bool any = false;
    m_bLineTooLong = false;
    for (;;) {
        int c = in->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!any)
                return TA_READ_END;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (c == '\r' && in->sgetc() == '\n') {
            in->sbumpc();
            break;
        }
        if (length < size - 1)
            buffer[length++] = static_cast<char>(c);
        else
            m_bLineTooLong = true;
    }
    ++m_lPhysicalLineNo;
    return 0;
}

long ClTextAccessor::_RdCmntRow(char* buffer)
{
    if (m_pszCommentMark == nullptr) {
        m_lLogicalLineNo = m_lPhysicalLineNo;
        return 0;
    }
    if (m_nCommentSkip) {
        while (_CheckIsCmntRow(buffer))
            if (long result = _RdNextRow(buffer, TA_LINE_BUFFER))
                return result;
        ++m_lLogicalLineNo;
        return 0;
    }
    if (_CheckIsCmntRow(buffer))
        return TA_READ_COMMENT;
    ++m_lLogicalLineNo;
    return 0;
}

long ClTextAccessor::_CheckIsCmntRow(const char* line)
{
    if (m_pszCommentMark == nullptr)
        return 0;
    return strncmp(line, m_pszCommentMark, strlen(m_pszCommentMark)) == 0 ? 1 : 0;
}

long ClTextAccessor::_InitOfs_Fixed(const char* line, StREADOFFSETINFO* ofs)
{
    const long positions = _GetItemNum();
    if (positions > TA_MAX_READ_ITEMS)
        return TA_READ_MISMATCH;
    const long lineLength = static_cast<long>(strlen(line));
    long total = 0;
    for (long k = 0; k < positions; ++k) {
        const long width = m_pFormat[_GetItemNo(k)].width;
        if (total + width > lineLength)
            return TA_READ_MISMATCH;
        ofs[k].text = line + total;
        ofs[k].length = width;
        total += width;
    }
    return total == lineLength ? 0 : TA_READ_MISMATCH;
}

long ClTextAccessor::_InitOfs_Comma(const char* line, StREADOFFSETINFO* ofs)
{
    return _InitOfs_Delimited(line, ofs, ',');
}

long ClTextAccessor::_InitOfs_Tab(const char* line, StREADOFFSETINFO* ofs)
{
    return _InitOfs_Delimited(line, ofs, '\t');
}

namespace {

// What the splitters share: the fields found so far (at most
// TA_MAX_READ_ITEMS), and the field being scanned. States: 0 before a field,
// 1 inside quotes, 2 inside an unquoted field, 3 after a field.
struct FieldScan {
    StREADOFFSETINFO* ofs;
    char expected;  // the quote of the quote mode; none: either quote opens a field
    long found = 0;
    int state = 0;
    char closing = '\0';
    const char* start = nullptr;

    bool Add(const char* text, long length)
    {
        if (found >= TA_MAX_READ_ITEMS)
            return false;
        ofs[found].text = text;
        ofs[found].length = static_cast<int32_t>(length);
        ++found;
        return true;
    }

    // A field starts at p: quoted when it opens with a quote character, which
    // must then be the mode's quote and closes it again.
    bool Open(const char* p)
    {
        if (IsQuote(*p)) {
            if (expected != '\0' && *p != expected)
                return false;
            closing = *p;
            start = p + 1;
            state = 1;
        } else {
            start = p;
            state = 2;
        }
        return true;
    }

    // One byte inside quotes; false at the end of the line (never closed).
    bool Quoted(const char* p)
    {
        if (*p == '\0')
            return false;
        if (*p == closing) {
            state = 3;
            return Add(start, p - start);
        }
        return true;
    }
};

char ExpectedQuote(_Quote quote)
{
    return quote == QUOTE_SINGLE ? '\'' : quote == QUOTE_DOUBLE ? '"' : '\0';
}

}  // namespace

// The scanner shared by comma and tab mode. In tab mode the tab is the
// separator, so only spaces count as blanks around fields and a space always
// ends an unquoted field.
long ClTextAccessor::_InitOfs_Delimited(const char* line, StREADOFFSETINFO* ofs, char separator)
{
    const bool tabMode = separator == '\t';
    auto skippable = [tabMode](char c) { return tabMode ? c == ' ' : IsBlank(c); };
    FieldScan scan{ofs, ExpectedQuote(m_eQuote)};
    long trailing = 0;  // blanks kept at the end of an unquoted field (space flag)
    for (const char* p = line;; ++p) {
        const char c = *p;
        switch (scan.state) {
        case 0:
            if (c == '\0')
                return scan.Add(nullptr, 0) && scan.found == _GetItemNum() ? 0 : TA_READ_MISMATCH;
            if (c == separator) {
                if (!scan.Add(nullptr, 0))
                    return TA_READ_MISMATCH;
            } else if (!skippable(c)) {
                if (!scan.Open(p))
                    return TA_READ_MISMATCH;
                trailing = 0;
            }
            break;
        case 1:
            if (!scan.Quoted(p))
                return TA_READ_MISMATCH;
            break;
        case 2:
            if (c == '\0')
                return scan.Add(scan.start, p - scan.start) && scan.found == _GetItemNum() ? 0 : TA_READ_MISMATCH;
            if (c == separator) {
                if (!scan.Add(scan.start, p - scan.start - trailing))
                    return TA_READ_MISMATCH;
                scan.state = 0;
            } else if (IsQuote(c)) {
                return TA_READ_MISMATCH;
            } else if (tabMode ? c == ' ' : (IsBlank(c) && m_nSpaceFlag == 0)) {
                if (!scan.Add(scan.start, p - scan.start))
                    return TA_READ_MISMATCH;
                scan.state = 3;
            } else {
                trailing = IsBlank(c) ? trailing + 1 : 0;
            }
            break;
        default:
            if (c == '\0')
                return scan.found == _GetItemNum() ? 0 : TA_READ_MISMATCH;
            if (c == separator)
                scan.state = 0;
            else if (!skippable(c))
                return TA_READ_MISMATCH;
            break;
        }
    }
}

// Fields separated by runs of blanks: no empty fields between fields, and an
// empty (or blank) line is one empty field.
long ClTextAccessor::_InitOfs_Space(const char* line, StREADOFFSETINFO* ofs)
{
    FieldScan scan{ofs, ExpectedQuote(m_eQuote)};
    for (const char* p = line;; ++p) {
        const char c = *p;
        switch (scan.state) {
        case 0:
        case 3:
            if (c == '\0') {
                if (scan.state == 0 && !scan.Add(nullptr, 0))
                    return TA_READ_MISMATCH;
                return scan.found == _GetItemNum() ? 0 : TA_READ_MISMATCH;
            }
            if (!IsBlank(c) && !scan.Open(p))
                return TA_READ_MISMATCH;
            break;
        case 1:
            if (!scan.Quoted(p))
                return TA_READ_MISMATCH;
            break;
        default:
            if (c == '\0')
                return scan.Add(scan.start, p - scan.start) && scan.found == _GetItemNum() ? 0 : TA_READ_MISMATCH;
            if (IsQuote(c))
                return TA_READ_MISMATCH;
            if (IsBlank(c)) {
                if (!scan.Add(scan.start, p - scan.start))
                    return TA_READ_MISMATCH;
                scan.state = 3;
            }
            break;
        }
    }
}

long ClTextAccessor::ReadItem(long /*position*/, long item, const char* text, long length)
{
    const StTAFORMAT& f = m_pFormat[item];
    if (f.required && text == nullptr)
        return TA_READ_MISMATCH;

    char work[TA_LINE_BUFFER];
    if (length < 0 || length >= TA_LINE_BUFFER)
        return TA_READ_MISMATCH;
    if (text != nullptr)
        memcpy(work, text, static_cast<size_t>(length));
    else
        length = 0;
    work[length] = '\0';

    unsigned char* field = static_cast<unsigned char*>(m_pRecord) + f.offset;
    if (f.type == TA_STRING) {
        if (length > f.size - 1)
            return TA_READ_MISMATCH;
        memcpy(field, work, static_cast<size_t>(length));
        memset(field + length, 0, static_cast<size_t>(f.size - length));
        return 0;
    }

    tagCY value;
    switch (CheckNumeric(work, &value)) {
    case 2: return TA_READ_MISMATCH;
    case 1: return 0;  // blank: the field keeps its value
    default: break;
    }
    if (f.type == TA_SIGNED && f.size == 8) {
        memcpy(field, &value.int64, 8);
        return 0;
    }
    if (f.size == 1 || f.size == 2 || f.size == 4) {
        // Cut to the field's width: the low bytes of the two's-complement value.
        uint64_t bits = static_cast<uint64_t>(value.int64 / 10000);
        for (int32_t i = 0; i < f.size; ++i)
            field[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    return 0;
}

// Parses a decimal number into ten-thousandths. Other bytes than digits, a
// leading sign, one point and trailing blanks are skipped ("1,234" is 1234).
// 0: parsed; 1: blank text; 2: malformed, or too large for a tagCY.
long ClTextAccessor::CheckNumeric(const char* text, tagCY* value)
{
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    if (*p == '\0')
        return 1;

    bool negative = false;
    bool inFraction = false;
    int64_t integerPart = 0;
    int64_t fraction = 0;
    int fractionDigits = 0;
    for (const char* q = p; *q != '\0'; ++q) {
        const char c = *q;
        if (c == '+' || c == '-') {
            if (q != p)
                return 2;
            negative = c == '-';
        } else if (c == '.') {
            if (inFraction)
                return 2;
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            if (!inFraction) {
                if (integerPart > (kMaxIntegerPart - digit) / 10)
                    return 2;
                integerPart = integerPart * 10 + digit;
            } else if (fractionDigits < 4) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            }  // further decimals are dropped, not rounded
        } else if (IsBlank(c)) {
            for (++q; *q != '\0'; ++q)
                if (!IsBlank(*q))
                    return 2;
            break;
        }
    }
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    if (integerPart == kMaxIntegerPart && fraction > kMaxFractionAtMax)
        return 2;
    const int64_t magnitude = integerPart * 10000 + fraction;
    value->int64 = negative ? -magnitude : magnitude;
    return 0;
}

void ClTextAccessor::GetReadLine(char* buffer)
{
    memcpy(buffer, m_szLastLine, TA_LINE_BUFFER);
}
