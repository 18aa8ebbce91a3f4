// Text-only path functions: splits, the character test, double-byte
// positions, the final backslash and the reduction to the folder. None of
// them touches the file system.
#include "dialog/PathText.h"

#include <cstring>

#include "framework/Mbcs.h"

namespace {

const char kForbiddenChars[] = "/:,;*?\"><|";

// Byte index of the first single-byte character ch at or after from, or -1.
int FindChar(const char* text, char ch, int from)
{
    for (int i = 0; text[i] != '\0';) {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        if (step == 1 && text[i] == ch && i >= from) return i;
        i += step;
    }
    return -1;
}

// 1 when the last character of text is the single-byte character ch.
bool EndsInChar(const char* text, char ch)
{
    int length = static_cast<int>(std::strlen(text));
    return length > 0 && text[length - 1] == ch && !IsPartOfDoubleByteChar(text, length - 1);
}

}  // namespace

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

int HasDoubledBackslash(const char* text, int from)
{
    bool previousWasBackslash = false;
    for (int i = 0; text[i] != '\0';) {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        bool isBackslash = step == 1 && text[i] == '\\';
        if (isBackslash && previousWasBackslash && i - 1 >= from) return 1;
        previousWasBackslash = isBackslash;
        i += step;
    }
    return 0;
}

int IsNetworkPath(const char* path)
{
    return path && path[0] == '\\' && path[1] == '\\';
}

int HasNoInvalidChars(const CString& path)
{
    const char* text = path.GetString();
    const char* tested;
    if (IsNetworkPath(text)) {
        // The two leading backslashes are the only pair allowed.
        if (HasDoubledBackslash(text, 3)) return 0;
        tested = text + 2;
    } else {
        if (HasDoubledBackslash(text, 0)) return 0;
        int colon = FindChar(text, ':', 0);
        tested = colon < 0 ? text : text + colon + 1;
    }
    for (const char* c = kForbiddenChars; *c; ++c)
        if (FindChar(tested, *c, 0) >= 0) return 0;
    return 1;
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
    if (EndsInChar(path, '\\')) return 1;
    int length = static_cast<int>(std::strlen(path));
    if (length >= capacity - 1) return 0;
    path[length] = '\\';
    path[length + 1] = '\0';
    return 1;
}

int ReduceToFolder(char* path)
{
    if (!path || path[0] == '\0') return 0;
    const int length = static_cast<int>(std::strlen(path));

    // The drive is a leading "X:"; the directory runs up to the last
    // separator (backslash or slash) after it.
    int driveEnd = gkfw::CharLength(path) == 1 && path[1] == ':' ? 2 : 0;
    int directoryEnd = driveEnd;
    for (int i = driveEnd; path[i] != '\0';) {
        int step = static_cast<int>(gkfw::CharLength(path + i));
        if (step == 1 && (path[i] == '\\' || path[i] == '/')) directoryEnd = i + 1;
        i += step;
    }
    if (directoryEnd == 0) return 0;

    path[directoryEnd] = '\0';
    if (!EndsInChar(path, '\\') && directoryEnd < length) {
        path[directoryEnd] = '\\';
        path[directoryEnd + 1] = '\0';
    }
    return 1;
}
