// Shift-JIS conversion: iconv ("CP932") natively, the code-page functions on
// Windows. Both directions are checked by a round trip, so that the two
// platforms refuse the same look-alike characters.
#include "binding/SjisText.h"

#include <cstring>

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
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out->resize(in.size() * 4 + 4);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = &(*out)[0];
        size_t dstLeft = out->size();
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == (size_t)-1) return false;
        if (iconv(m_cd, nullptr, nullptr, &dst, &dstLeft) == (size_t)-1) return false;
        out->resize(out->size() - dstLeft);
        return true;
    }

private:
    iconv_t m_cd;
};

bool Convert(bool toSjis, const std::string& in, std::string* out)
{
    thread_local Iconv toS("CP932", "UTF-8");
    thread_local Iconv toU("UTF-8", "CP932");
    return (toSjis ? toS : toU).Run(in, out);
}

#endif

}  // namespace

bool Utf8ToSjis(const std::string& utf8, std::string* out)
{
    if (IsAscii(utf8)) {
        *out = utf8;
        return true;
    }
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
    std::string sjis;
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
