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
#include "textaccessor/TaDigits.h"

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

// Little-endian field of 1, 2, 4 or 8 bytes, sign- or zero-extended. Both
// targets store records little-endian, so a field is read as it lies.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian");
int64_t LoadInteger(const unsigned char* p, int32_t size, bool isSigned)
{
    switch (size) {
    case 1:
        return isSigned ? static_cast<int64_t>(static_cast<int8_t>(p[0])) : p[0];
    case 2: {
        uint16_t u;
        memcpy(&u, p, sizeof u);
        return isSigned ? static_cast<int64_t>(static_cast<int16_t>(u)) : u;
    }
    case 4: {
        uint32_t u;
        memcpy(&u, p, sizeof u);
        return isSigned ? static_cast<int64_t>(static_cast<int32_t>(u)) : u;
    }
    default: {
        int64_t v;
        memcpy(&v, p, sizeof v);
        return v;
    }
    }
}

char* PutBytes(char* out, const void* bytes, size_t length)
{
    memcpy(out, bytes, length);
    return out + length;
}

char* PutSpaces(char* out, long count)
{
    if (count <= 0)
        return out;
    memset(out, ' ', static_cast<size_t>(count));
    return out + count;
}

// The most one item can put into a line: its widest text with two quotes, a
// name with its two leading spaces, or a number padded to the widest width.
const size_t kItemRoom = TA_MAX_WIDTH + TA_NAME_SIZE + 32;

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

// Hands bytes to the stream; a short write puts the stream in the failed
// state, as a failed formatted write would.
bool ClTextAccessor::WriteBytes(const char* bytes, size_t length)
{
    if (length > 0 && !m_pStream->fail()) {
        std::streamsize n = static_cast<std::streamsize>(length);
        std::streambuf* buffer = m_pStream->rdbuf();
        if (buffer == nullptr || buffer->sputn(bytes, n) != n)
            m_pStream->setstate(std::ios::badbit);
    }
    return !m_pStream->fail();
}

long ClTextAccessor::WriteItem(long item)
{
    if (m_pStream == nullptr || item < 0 || item >= m_lCount)
        return TA_ERR_WRITE;
    char text[kItemRoom];
    char* end = FormatItem(item, text);
    WriteBytes(text, static_cast<size_t>(end - text));
    return StreamFailed() ? TA_ERR_WRITE : 0;
}

// The text of one item at out, which has kItemRoom bytes; answers its end.
// Inlined into the line loop, which runs it for every written column.
[[gnu::always_inline]] inline char* ClTextAccessor::FormatItem(long item, char* out) const
{
    const StTAFORMAT& f = m_pFormat[item];
    const bool fixed = m_eDelimiter == DELIM_FIXED;

    if (m_acMask[item] != 0) {
        if (fixed)
            return PutSpaces(out, f.width);
        if (m_acMask[item] == 2)
            *out++ = ' ';
        return out;
    }

    const unsigned char* field = static_cast<const unsigned char*>(m_pRecord) + f.offset;
    if (f.type == TA_STRING) {
        const char* text = reinterpret_cast<const char*>(field);
        size_t limit = static_cast<size_t>(f.width) < static_cast<size_t>(f.size)
                           ? static_cast<size_t>(f.width) : static_cast<size_t>(f.size);
        const char quote = fixed ? '\0' : m_eQuote == QUOTE_SINGLE ? '\'' : m_eQuote == QUOTE_DOUBLE ? '"' : '\0';
        if (quote)
            *out++ = quote;
        // Texts of rows are short: copied byte by byte up to their NUL.
        size_t length = 0;
        while (length < limit && text[length] != '\0') {
            out[length] = text[length];
            ++length;
        }
        out += length;
        if (fixed)
            return PutSpaces(out, f.width - static_cast<long>(length));
        if (quote)
            *out++ = quote;
        return out;
    }

    // Numbers: tagCY items give the integer part, then the first `decimals`
    // of the four implied decimal places, dropped (never rounded) beyond that.
    const bool isSigned = f.type == TA_SIGNED;
    const bool amount = isSigned && f.size == 8;
    const int64_t value = LoadInteger(field, f.size, isSigned);
    const bool negative = isSigned && value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const uint64_t whole = amount ? magnitude / 10000 : magnitude;
    const long length = TaDigitCount(whole) + (negative ? 1 : 0);
    const bool fraction = amount && f.decimals > 0;
    if (fixed)
        out = PutSpaces(out, (fraction ? f.width - f.decimals - 1 : f.width) - length);
    if (negative)
        *out = '-';
    out += length;
    TaDigits(whole, out);
    if (fraction) {
        const unsigned part = static_cast<unsigned>(magnitude % 10000);
        const char text[5] = {'.', static_cast<char>('0' + part / 1000), static_cast<char>('0' + part / 100 % 10),
                              static_cast<char>('0' + part / 10 % 10), static_cast<char>('0' + part % 10)};
        out = PutBytes(out, text, static_cast<size_t>(1 + f.decimals));
    }
    return out;
}

// The name of one item at out, which has kItemRoom bytes; answers its end.
char* ClTextAccessor::FormatItemName(long item, long position, char* out) const
{
    const StTAFORMAT& f = m_pFormat[item];
    const size_t length = strlen(f.name);
    if (m_acMask[item] != 0) {
        if (m_eDelimiter == DELIM_FIXED)
            return PutSpaces(out, static_cast<long>(length));
        if (m_acMask[item] == 2)
            *out++ = ' ';
        return out;
    }
    if (m_eDelimiter == DELIM_FIXED) {
        if (position != 0)
            out = PutBytes(out, "  ", 2);
        return PutBytes(out, f.name, length);
    }
    const char quote = m_eQuote == QUOTE_SINGLE ? '\'' : m_eQuote == QUOTE_DOUBLE ? '"' : '\0';
    if (quote)
        *out++ = quote;
    out = PutBytes(out, f.name, length);
    if (quote)
        *out++ = quote;
    return out;
}

// One line: `leading` empty fields (two double quotes and a comma each, in
// every mode), then the items or their names, separated, then CR LF.
//
// The line collects in a buffer on the stack and reaches the stream in large
// pieces: whenever less room is left than the widest item could take, and at
// the end. Only those hand-overs can fail.
long ClTextAccessor::WriteLine(long leading, bool names)
{
    if (long usable = CheckUsable())
        return usable;
    if (m_pStream == nullptr || m_pStream->rdbuf() == nullptr || m_pStream->fail())
        return TA_ERR_WRITE;

    static const char kSeparators[] = {'\0', '\0', ',', '\t', ' '};
    const char separator = kSeparators[m_eDelimiter >= DELIM_FIXED && m_eDelimiter <= DELIM_SPACE ? m_eDelimiter : 0];

    char line[kLineOutSize];
    static_assert(kLineOutSize >= 2 * kItemRoom, "a line buffer holds at least two of the widest items");
    char* out = line;
    char* const last = line + kLineOutSize - kItemRoom;  // the room of one more item is left up to here
    bool failed = false;
    auto flush = [&] {
        failed = !WriteBytes(line, static_cast<size_t>(out - line));
        out = line;
    };

    for (long i = 0; i < leading && !failed; ++i) {
        if (out > last)
            flush();
        out = PutBytes(out, "\"\",", 3);
    }
    const long positions = _GetItemNum();
    const StTAORDER* order = m_nSelectFlag == 0 && m_lOrderCount > 0 ? m_pOrder : nullptr;
    if (!names && separator) {
        // Values of a delimited line, the rows of a data file: every item is
        // followed by its separator, and the last one is taken back. A masked
        // item is nothing but its separator (mask 2: a space), so rows that
        // mask most items are decided here without formatting.
        const unsigned char* const masks = m_acMask;
        for (long k = 0; k < positions; ++k) {
            if (out > last) {
                flush();
                if (failed)
                    break;
            }
            if (order == nullptr && k + 8 <= positions) {
                // Eight masked items in a row, as data rows often have.
                uint64_t eight;
                memcpy(&eight, masks + k, sizeof eight);
                if (eight == 0x0101010101010101ull) {
                    memset(out, separator, 8);
                    out += 8;
                    k += 7;
                    continue;
                }
            }
            const long item = order ? order[k].item : k;
            const unsigned char mask = masks[item];
            if (mask == 0)
                out = FormatItem(item, out);
            else if (mask == 2)
                *out++ = ' ';
            *out++ = separator;
        }
        if (positions > 0 && !failed)
            --out;
    } else {
        for (long k = 0; k < positions && !failed; ++k) {
            if (out > last) {
                flush();
                if (failed)
                    break;
            }
            const long item = order ? order[k].item : k;
            out = names ? FormatItemName(item, k, out) : FormatItem(item, out);
            if (separator && k + 1 < positions)
                *out++ = separator;
        }
    }
    if (!failed) {
        out = PutBytes(out, "\r\n", 2);
        flush();
    }
    return failed ? TA_ERR_WRITE : 0;
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
