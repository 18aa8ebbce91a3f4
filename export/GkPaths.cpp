// Derived paths of the export files; see GkPaths.h.
#include "export/GkPaths.h"

#include <cstring>

#include "export/GkText.h"

const char GK_SSC_FILE_NAME[] = "syurui.SSC";

namespace {

bool IsSeparator(char c)
{
#ifdef _WIN32
    return c == '\\';
#else
    return c == '\\' || c == '/';
#endif
}

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

size_t GkFileNameStart(const char* path)
{
    size_t length = strlen(path);
    size_t start = 0;
    bool found = false;
    for (size_t pos = 0; pos < length;) {
#ifdef _WIN32
        if (GkIsLeadByte(static_cast<unsigned char>(path[pos])) && pos + 1 < length) {
            pos += 2;
            continue;
        }
#endif
        if (IsSeparator(path[pos])) {
            start = pos + 1;
            found = true;
        }
        ++pos;
    }
    if (!found && length >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
        start = 2;
    return start;
}

int GkBuildPath(short kind, const char* path, const char* logName, char* out)
{
    memset(out, 0, GK_PATH_SIZE);
    size_t length = strlen(path);
    if (length > GK_PATH_MAX)
        return 0;
    if (kind == GK_FILE_DATA) {
        memcpy(out, path, length);
        return 1;
    }
    const char* name = kind == GK_FILE_SSC ? GK_SSC_FILE_NAME : logName;
    size_t folder = GkFileNameStart(path);
    size_t nameLength = strlen(name);
    if (folder + nameLength > GK_PATH_MAX)
        return 0;
    memcpy(out, path, folder);
    memcpy(out + folder, name, nameLength);
    return 1;
}
