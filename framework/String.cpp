#include "framework/String.h"

#include "framework/Mbcs.h"

int CString::Find(char ch, int start) const
{
    const char* text = m_str.c_str();
    int length = GetLength();
    if (start < 0) start = 0;
    // Walk from the beginning so that a start inside a pair is not misread.
    int i = 0;
    while (i < length) {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        if (i >= start && step == 1 && text[i] == ch) return i;
        i += step;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    const char* text = m_str.c_str();
    int length = GetLength();
    int found = -1;
    int i = 0;
    while (i < length) {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        if (step == 1 && text[i] == ch) found = i;
        i += step;
    }
    return found;
}

CString CString::Left(int count) const
{
    if (count < 0) count = 0;
    if (count > GetLength()) count = GetLength();
    return CString(m_str.c_str(), count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const
{
    if (first < 0) first = 0;
    if (first > GetLength()) first = GetLength();
    if (count < 0) count = 0;
    if (count > GetLength() - first) count = GetLength() - first;
    return CString(m_str.c_str() + first, count);
}
