#include "dialog/PathText.h"

#include <cstring>

#include "framework/Mbcs.h"

CString GetFolderPart(const CString& path)
{
    int at = path.ReverseFind('\\');
    return at < 0 ? CString() : path.Left(at + 1);
}

CString GetFileNamePart(const CString& path)
{
    int at = path.ReverseFind('\\');
    return at < 0 ? path : path.Mid(at + 1);
}

CString GetDrivePart(const CString& path)
{
    int at = path.ReverseFind(':');
    return at < 0 ? CString() : path.Left(at + 1);
}

CString GetAfterDrivePart(const CString& path)
{
    int at = path.ReverseFind(':');
    return at < 0 ? path : path.Mid(at + 1);
}

int IsPartOfDoubleByteChar(const char* text, int index)
{
    int i = 0;
    while (text[i] != '\0') {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        if (step == 2 && (index == i || index == i + 1)) return 1;
        i += step;
    }
    return 0;
}

int AddTrailingBackslash(char* path, int capacity)
{
    if (!path || path[0] == '\0') return 0;
    int length = static_cast<int>(std::strlen(path));
    bool endsInSeparator =
        path[length - 1] == '\\' && !IsPartOfDoubleByteChar(path, length - 1);
    if (endsInSeparator) return 1;
    if (length >= capacity - 1) return 0;
    path[length] = '\\';
    path[length + 1] = '\0';
    return 1;
}
