// Shift-JIS conversion: iconv ("CP932") natively, the code-page functions on
// Windows. Both directions are checked by a round trip, so that the two
// platforms refuse the same look-alike characters.
#include "binding/SjisText.h"

#include <cstdint>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace {

bool IsAscii(const std::string& text)
{
    for (unsigned char c : text) {
        if (c >= 0x80) return false;
    }
    return true;
}

#ifdef _WIN32

bool ToWide(UINT codePage, const std::string& in, std::wstring* out)
{
    out->clear();
    if (in.empty()) return true;
    int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), (int)in.size(), nullptr, 0);
    if (n <= 0) return false;
    out->resize(n);
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), (int)in.size(), &(*out)[0], n) == n;
}

bool FromWide(UINT codePage, const std::wstring& in, std::string* out)
{
    out->clear();
    if (in.empty()) return true;
    DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* pUsed = codePage == CP_UTF8 ? nullptr : &usedDefault;
    int n = WideCharToMultiByte(codePage, flags, in.data(), (int)in.size(), nullptr, 0, nullptr, pUsed);
    if (n <= 0 || usedDefault) return false;
    out->resize(n);
    n = WideCharToMultiByte(codePage, flags, in.data(), (int)in.size(), &(*out)[0], n, nullptr, pUsed);
    return n == (int)out->size() && !usedDefault;
}

bool Convert(bool toSjis, const std::string& in, std::string* out)
{
    std::wstring wide;
    if (!ToWide(toSjis ? CP_UTF8 : 932, in, &wide)) return false;
    return FromWide(toSjis ? 932 : CP_UTF8, wide, out);
}

#else

// One converter per direction and thread: opening iconv per text would
// dominate a walk over many assets.
class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (m_cd != (iconv_t)-1) iconv_close(m_cd);
    }
    bool Run(const std::string& in, std::string* out)
    {
        out->clear();
        if (m_cd == (iconv_t)-1) return false;
        // A conversion that ran to its end left the converter in its initial
        // state; only one that stopped part-way needs a reset.
        if (m_bDirty) iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        m_bDirty = true;
        out->resize(in.size() * 4 + 4);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = &(*out)[0];
        size_t dstLeft = out->size();
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == (size_t)-1) return false;
        if (iconv(m_cd, nullptr, nullptr, &dst, &dstLeft) == (size_t)-1) return false;
        m_bDirty = false;
        out->resize(out->size() - dstLeft);
        return true;
    }

private:
    iconv_t m_cd;
    bool m_bDirty = true;
};

bool Convert(bool toSjis, const std::string& in, std::string* out)
{
    thread_local Iconv toS("CP932", "UTF-8");
    thread_local Iconv toU("UTF-8", "CP932");
    return (toSjis ? toS : toU).Run(in, out);
}

#endif

// Both converters work character by character, so a text converts exactly
// when each of its characters does, and its Shift-JIS form is theirs strung
// together. CharwiseToSjis uses that to convert each character of the basic
// plane once per thread and remember the outcome: a walk over many assets
// repeats the same few hundred characters. It answers 1 (converted), 0
// (refused) or -1 when it leaves the text to the whole-text conversion: a
// sequence that is not a well-formed two- or three-byte character, or a
// character whose form is not one or two bytes.
int CharwiseToSjis(const std::string& utf8, std::string* out)
{
    // Per code point: 0 not yet known, kRefused, or kKnown | length << 16 | bytes.
    const uint32_t kKnown = 0x80000000u, kRefused = 0x40000000u;
    thread_local std::vector<uint32_t> forms;
    if (forms.empty()) forms.assign(0x10000, 0);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t size = utf8.size();
    // Each character's Shift-JIS form is no longer than its UTF-8 form.
    out->resize(size);
    char* const begin = &(*out)[0];
    char* o = begin;
    for (size_t pos = 0; pos < size;) {
        unsigned c = p[pos];
        if (c < 0x80) {
            *o++ = static_cast<char>(c);
            ++pos;
            continue;
        }
        unsigned cp;
        size_t n;
        if (c >= 0xC2 && c <= 0xDF && pos + 1 < size && (p[pos + 1] & 0xC0) == 0x80) {
            cp = (c & 0x1F) << 6 | (p[pos + 1] & 0x3F);
            n = 2;
        } else if (c >= 0xE0 && c <= 0xEF && pos + 2 < size && (p[pos + 1] & 0xC0) == 0x80 &&
                   (p[pos + 2] & 0xC0) == 0x80) {
            cp = (c & 0x0F) << 12 | (p[pos + 1] & 0x3F) << 6 | (p[pos + 2] & 0x3F);
            n = 3;
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;  // overlong or a surrogate
        } else {
            return -1;
        }
        uint32_t form = forms[cp];
        if (form == 0) {
            std::string one(utf8, pos, n), sjis, back;
            if (!Convert(true, one, &sjis) || !Convert(false, sjis, &back) || back != one) {
                form = kRefused;
            } else if (sjis.size() == 1 || sjis.size() == 2) {
                form = kKnown | static_cast<uint32_t>(sjis.size()) << 16;
                for (unsigned char b : sjis) form = (form & 0xFFFF0000u) | ((form << 8) & 0xFF00u) | b;
            } else {
                return -1;
            }
            forms[cp] = form;
        }
        if (form == kRefused) return 0;
        if (((form >> 16) & 3) == 2) *o++ = static_cast<char>((form >> 8) & 0xFF);
        *o++ = static_cast<char>(form & 0xFF);
        pos += n;
    }
    out->resize(static_cast<size_t>(o - begin));
    return 1;
}

}  // namespace

bool Utf8ToSjis(const std::string& utf8, std::string* out)
{
    if (IsAscii(utf8)) {
        *out = utf8;
        return true;
    }
    int charwise = CharwiseToSjis(utf8, out);
    if (charwise >= 0) return charwise == 1;
    std::string back;
    return Convert(true, utf8, out) && Convert(false, *out, &back) && back == utf8;
}

bool SjisToUtf8(const std::string& sjis, std::string* out)
{
    if (IsAscii(sjis)) {
        *out = sjis;
        return true;
    }
    std::string back;
    return Convert(false, sjis, out) && Convert(true, *out, &back) && back == sjis;
}

bool FillSjisField(char* field, size_t room, const std::string& utf8)
{
    thread_local std::string sjis;
    if (!Utf8ToSjis(utf8, &sjis) || sjis.size() + 1 > room) return false;
    std::memcpy(field, sjis.data(), sjis.size());
    field[sjis.size()] = '\0';
    return true;
}

long SjisLength(const std::string& utf8)
{
    std::string sjis;
    return Utf8ToSjis(utf8, &sjis) ? (long)sjis.size() : -1;
}
