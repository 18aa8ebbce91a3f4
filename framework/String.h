// CString: the framework's byte string of multibyte text (Shift-JIS on the
// target systems).
//
// Lengths and positions count bytes. Find and ReverseFind search for an ASCII
// character character by character, so the second byte of a double-byte
// character never matches it.
#pragma once

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}
    CString(const char* text, int length) : m_str(text, text + length) {}

    CString& operator=(const char* text)
    {
        m_str = text ? text : "";
        return *this;
    }
    CString& operator+=(const char* text)
    {
        m_str += text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_str += other.m_str;
        return *this;
    }

    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int index) const { return m_str[static_cast<size_t>(index)]; }

    // Byte index of the first (last) character equal to ch, or -1.
    int Find(char ch, int start = 0) const;
    int ReverseFind(char ch) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    bool operator==(const char* text) const { return m_str == (text ? text : ""); }
    bool operator!=(const char* text) const { return !(*this == text); }

private:
    std::string m_str;
};

inline CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}
