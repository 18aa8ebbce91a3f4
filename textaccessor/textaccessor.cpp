// ClTextAccessor: construction, setup and the writing side.
//
// A line is collected in a buffer on the stack and handed to the stream in
// large pieces, so writing allocates nothing and costs one stream call per
// line; the working copy of the table, made at construction, is the
// accessor's only allocation.
#include "textaccessor/textaccessor.h"

#include <cstring>
#include <istream>
#include <new>

#include "binding/PelkMsgMgr.h"

namespace {

const char kSource[] = "textaccessor";

long Report(long code, long line)
{
    return ClMsgMgr::Inst()->SetLastError(code, code == 0 ? nullptr : kSource, code == 0 ? 0 : line);
}

bool ValidItem(const StTAFORMAT& f)
{
    if (memchr(f.name, '\0', sizeof f.name) == nullptr)
        return false;
    if (f.offset < 0 || f.width < 0 || f.width > TA_MAX_WIDTH)
        return false;
    switch (f.type) {
    case TA_STRING:
        return f.size >= 1;
    case TA_SIGNED:
        if (f.size == 8)
            return f.decimals >= 0 && f.decimals <= 4;
        return f.size == 1 || f.size == 2 || f.size == 4;
    case TA_UNSIGNED:
        return f.size == 1 || f.size == 2 || f.size == 4;
    default:
        return false;
    }
}

// Decimal digits of v, placed to end just before `end`; answers the first.
char* Digits(uint64_t v, char* end)
{
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    return end;
}

// Little-endian field of 1, 2, 4 or 8 bytes, sign- or zero-extended.
int64_t LoadInteger(const unsigned char* p, int32_t size, bool isSigned)
{
    uint64_t u = 0;
    for (int32_t i = size - 1; i >= 0; --i)
        u = (u << 8) | p[i];
    if (isSigned && size < 8 && (u >> (size * 8 - 1)) & 1)
        u |= ~uint64_t{0} << (size * 8);
    return static_cast<int64_t>(u);
}

}  // namespace

ClTextAccessor::ClTextAccessor(const char* name, const StTAFORMAT* format, long count, void* record)
    : m_pRecord(record), m_pszName(name), m_pFormatOrg(format), m_lCount(0)
{
    if (count < 0 || count > TA_MAX_ITEMS || (count > 0 && format == nullptr))
        return;
    for (long i = 0; i < count; ++i)
        if (!ValidItem(format[i]))
            return;
    if (count > 0) {
        m_pFormat = new (std::nothrow) StTAFORMAT[count];
        if (m_pFormat == nullptr)
            return;
        memcpy(m_pFormat, format, sizeof(StTAFORMAT) * count);
    }
    m_lCount = count;
    m_bUsable = true;
}

ClTextAccessor::~ClTextAccessor()
{
    delete[] m_pFormat;
}

long ClTextAccessor::SetMode(_Delimiter delimiter, _Quote quote)
{
    if (delimiter == DELIM_FIXED && quote != QUOTE_NONE)
        return Report(TA_ERR_PARAM, __LINE__);
    m_eDelimiter = delimiter;
    m_eQuote = quote;
    return Report(0, 0);
}

long ClTextAccessor::Attach(std::iostream* stream)
{
    m_pStream = stream;
    return Report(0, 0);
}

long ClTextAccessor::SetMask(long item, long mask)
{
    if (item < 0 || item >= m_lCount)
        return TA_ERR_WRITE;
    m_acMask[item] = static_cast<unsigned char>(mask & 0xFF);
    return 0;
}

long ClTextAccessor::GetMask(long item)
{
    if (item < 0 || item >= m_lCount)
        return TA_ERR_WRITE;
    return m_acMask[item];
}

void ClTextAccessor::SetSelectFlag(int flag)
{
    m_nSelectFlag = flag;
}

long ClTextAccessor::SetOrder(StTAORDER* order, long count)
{
    m_pOrder = order;
    m_lOrderCount = count;
    return 0;
}

long ClTextAccessor::_GetItemNum()
{
    if (m_nSelectFlag == 0 && m_lOrderCount > 0)
        return m_lOrderCount;
    return m_lCount;
}

long ClTextAccessor::_GetItemNo(long position)
{
    if (m_nSelectFlag == 0 && m_lOrderCount > 0)
        return m_pOrder[position].item;
    return position;
}

// A line operation needs a valid table and an order that names only items of
// the table; both are checked before the first byte goes out.
long ClTextAccessor::CheckUsable()
{
    if (!m_bUsable)
        return TA_ERR_PARAM;
    if (m_nSelectFlag == 0 && m_lOrderCount > 0) {
        if (m_pOrder == nullptr)
            return TA_ERR_PARAM;
        for (long k = 0; k < m_lOrderCount; ++k)
            if (m_pOrder[k].item < 0 || m_pOrder[k].item >= m_lCount)
                return TA_ERR_PARAM;
    }
    return 0;
}

bool ClTextAccessor::StreamFailed()
{
    return m_pStream->fail();
}

// Inside a line operation the bytes collect in the line buffer and reach the
// stream in large pieces; elsewhere they go to the stream at once.
bool ClTextAccessor::WriteBytes(const char* bytes, size_t length)
{
    if (m_pLineOut == nullptr) {
        m_pStream->write(bytes, static_cast<std::streamsize>(length));
        return !m_pStream->fail();
    }
    // Almost every piece fits the room left in the line buffer.
    if (length <= kLineOutSize - m_nLineOut) {
        memcpy(m_pLineOut + m_nLineOut, bytes, length);
        m_nLineOut += length;
        return true;
    }
    while (length > 0) {
        if (m_nLineOut == kLineOutSize)
            FlushLine();
        size_t n = kLineOutSize - m_nLineOut < length ? kLineOutSize - m_nLineOut : length;
        memcpy(m_pLineOut + m_nLineOut, bytes, n);
        m_nLineOut += n;
        bytes += n;
        length -= n;
    }
    return true;
}

// Hands the collected bytes to the stream; a short write puts the stream in
// the failed state, as a failed formatted write would.
void ClTextAccessor::FlushLine()
{
    if (m_nLineOut > 0 && !m_pStream->fail()) {
        std::streamsize n = static_cast<std::streamsize>(m_nLineOut);
        if (m_pStream->rdbuf()->sputn(m_pLineOut, n) != n)
            m_pStream->setstate(std::ios::badbit);
    }
    m_nLineOut = 0;
}

bool ClTextAccessor::WriteSpaces(long count)
{
    static const char kSpaces[64] = {
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    while (count > 0) {
        long n = count < 64 ? count : 64;
        WriteBytes(kSpaces, static_cast<size_t>(n));
        count -= n;
    }
    return !m_pStream->fail();
}

long ClTextAccessor::WriteItem(long item)
{
    const StTAFORMAT& f = m_pFormat[item];
    const bool fixed = m_eDelimiter == DELIM_FIXED;

    if (m_acMask[item] != 0) {
        if (fixed)
            WriteSpaces(f.width);
        else if (m_acMask[item] == 2)
            WriteBytes(" ", 1);
        return 0;
    }

    const unsigned char* field = static_cast<const unsigned char*>(m_pRecord) + f.offset;
    if (f.type == TA_STRING) {
        const char* text = reinterpret_cast<const char*>(field);
        size_t limit = static_cast<size_t>(f.width) < static_cast<size_t>(f.size)
                           ? static_cast<size_t>(f.width) : static_cast<size_t>(f.size);
        const void* nul = memchr(text, '\0', limit);
        size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : limit;
        if (fixed) {
            WriteBytes(text, length);
            WriteSpaces(f.width - static_cast<long>(length));
        } else {
            const char* quote = m_eQuote == QUOTE_SINGLE ? "'" : m_eQuote == QUOTE_DOUBLE ? "\"" : nullptr;
            if (quote)
                WriteBytes(quote, 1);
            WriteBytes(text, length);
            if (quote)
                WriteBytes(quote, 1);
        }
        return StreamFailed() ? TA_ERR_WRITE : 0;
    }

    // Numbers: tagCY items give the integer part, then the first `decimals`
    // of the four implied decimal places, dropped (never rounded) beyond that.
    const bool isSigned = f.type == TA_SIGNED;
    const bool amount = isSigned && f.size == 8;
    const int64_t value = LoadInteger(field, f.size, isSigned);
    const bool negative = isSigned && value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[24];
    char* first = Digits(amount ? magnitude / 10000 : magnitude, digits + sizeof digits);
    if (negative)
        *--first = '-';
    const long length = static_cast<long>(digits + sizeof digits - first);
    const bool fraction = amount && f.decimals > 0;
    if (fixed)
        WriteSpaces((fraction ? f.width - f.decimals - 1 : f.width) - length);
    WriteBytes(first, static_cast<size_t>(length));
    if (fraction) {
        const unsigned part = static_cast<unsigned>(magnitude % 10000);
        const char text[5] = {'.', static_cast<char>('0' + part / 1000), static_cast<char>('0' + part / 100 % 10),
                              static_cast<char>('0' + part / 10 % 10), static_cast<char>('0' + part % 10)};
        WriteBytes(text, static_cast<size_t>(1 + f.decimals));
    }
    return StreamFailed() ? TA_ERR_WRITE : 0;
}

long ClTextAccessor::WriteItemName(long item, long position)
{
    const StTAFORMAT& f = m_pFormat[item];
    const size_t length = strlen(f.name);
    if (m_acMask[item] != 0) {
        if (m_eDelimiter == DELIM_FIXED)
            WriteSpaces(static_cast<long>(length));
        else if (m_acMask[item] == 2)
            WriteBytes(" ", 1);
        return 0;
    }
    if (m_eDelimiter == DELIM_FIXED) {
        if (position != 0)
            WriteBytes("  ", 2);
        WriteBytes(f.name, length);
    } else {
        const char* quote = m_eQuote == QUOTE_SINGLE ? "'" : m_eQuote == QUOTE_DOUBLE ? "\"" : "";
        WriteBytes(quote, strlen(quote));
        WriteBytes(f.name, length);
        WriteBytes(quote, strlen(quote));
    }
    return StreamFailed() ? TA_ERR_WRITE : 0;
}

// One line: `leading` empty fields (two double quotes and a comma each, in
// every mode), then the items or their names, separated, then CR LF.
long ClTextAccessor::WriteLine(long leading, bool names)
{
    if (long usable = CheckUsable())
        return usable;
    if (m_pStream == nullptr || m_pStream->rdbuf() == nullptr || m_pStream->fail())
        return TA_ERR_WRITE;

    static const char* const kSeparators[] = {"", "", ",", "\t", " "};
    const char* separator = kSeparators[m_eDelimiter >= DELIM_FIXED && m_eDelimiter <= DELIM_SPACE ? m_eDelimiter : 0];
    const size_t separatorLength = strlen(separator);

    char line[kLineOutSize];
    m_pLineOut = line;
    m_nLineOut = 0;
    long result = 0;
    for (long i = 0; i < leading; ++i)
        WriteBytes("\"\",", 3);
    const long positions = _GetItemNum();
    const StTAORDER* order = m_nSelectFlag == 0 && m_lOrderCount > 0 ? m_pOrder : nullptr;
    // A delimited value line skips its masked items (other than mask 2, a
    // space) here: they put out nothing but their separator. A separator
    // byte that fits the line buffer cannot fail the stream.
    const bool skipMasked = !names && m_eDelimiter != DELIM_FIXED;
    for (long k = 0; k < positions && result == 0; ++k) {
        long item = order ? order[k].item : k;
        const unsigned char mask = m_acMask[item];
        if (!(skipMasked && mask != 0 && mask != 2))
            result = names ? WriteItemName(item, k) : WriteItem(item);
        if (result == 0 && k + 1 < positions) {
            if (separatorLength == 1 && m_nLineOut < kLineOutSize) {
                m_pLineOut[m_nLineOut++] = separator[0];
            } else {
                WriteBytes(separator, separatorLength);
                if (StreamFailed())
                    result = TA_ERR_WRITE;
            }
        }
    }
    if (result == 0)
        WriteBytes("\r\n", 2);
    FlushLine();
    m_pLineOut = nullptr;
    if (result != 0)
        return result;
    return StreamFailed() ? TA_ERR_WRITE : 0;
}

long ClTextAccessor::Write()
{
    return WriteLine(0, false);
}

long ClTextAccessor::Write2(long n)
{
    return WriteLine(n, false);
}

long ClTextAccessor::ItemNameWrite()
{
    return WriteLine(0, true);
}

long ClTextAccessor::ItemNameWrite2(long n)
{
    return WriteLine(n, true);
}

int ClTextAccessor::CommentWrite(const char* text)
{
    if (m_pStream == nullptr)
        return TA_ERR_WRITE;
    if (text != nullptr)
        WriteBytes(text, strlen(text));
    WriteBytes("\r\n", 2);
    return StreamFailed() ? TA_ERR_WRITE : 0;
}

long ClTextAccessor::RotateFormat(long start, long target, long count)
{
    const long n = m_lCount;
    if (start < 0 || start + 1 >= n || count <= 0 || start + count > n || target < start || target >= start + count)
        return 1;
    StTAFORMAT* block = new (std::nothrow) StTAFORMAT[count];
    if (block == nullptr)
        return 1;
    memcpy(block, m_pFormat + start, sizeof(StTAFORMAT) * count);
    for (long i = 0; i < count; ++i)
        m_pFormat[start + (target - start + i) % count] = block[i];
    delete[] block;
    return 0;
}

void ClTextAccessor::ResetRotate()
{
    if (m_lCount > 0)
        memcpy(m_pFormat, m_pFormatOrg, sizeof(StTAFORMAT) * m_lCount);
}
