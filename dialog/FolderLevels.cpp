// The file-system side of the path functions: whether a folder exists, the
// creation of the missing levels of a folder, and the removal of exactly the
// levels that a failed creation made.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog/PathText.h"
#include "framework/Mbcs.h"

namespace {

// Byte length of the root of folder: "C:\", "\\server\share\" or "\";
// 0 when the folder has none (a relative path).
int RootLength(const char* folder)
{
    if (IsNetworkPath(folder)) {
        // Past the server name and the share name, each ended by a backslash.
        int separators = 0;
        for (int i = 2; folder[i] != '\0';) {
            int step = static_cast<int>(gkfw::CharLength(folder + i));
            if (step == 1 && folder[i] == '\\' && ++separators == 2) return i + 1;
            i += step;
        }
        return 0;
    }
    if (gkfw::CharLength(folder) == 1 && folder[1] == ':' && folder[2] == '\\') return 3;
    if (folder[0] == '\\') return 1;
    return 0;
}

// Byte positions of the backslash characters of text.
std::vector<int> SeparatorPositions(const char* text)
{
    std::vector<int> positions;
    for (int i = 0; text[i] != '\0';) {
        int step = static_cast<int>(gkfw::CharLength(text + i));
        if (step == 1 && text[i] == '\\') positions.push_back(i);
        i += step;
    }
    return positions;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the first count bytes of a and b (or fewer, up to a terminating
// zero), ignoring the case of single-byte letters only: the bytes of
// double-byte characters are compared as they are.
bool EqualIgnoringCase(const char* a, const char* b, int count)
{
    for (int i = 0; i < count;) {
        if (a[i] == '\0' || b[i] == '\0') return a[i] == b[i];
        int step = static_cast<int>(gkfw::CharLength(a + i));
        if (step == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
        i += step;
    }
    return true;
}

// A folder as root and rest, both held apart: "C:\a\b\" -> "C:\" and "a\b\".
struct FolderParts {
    std::string root;
    std::string rest;
};

bool SplitFolder(const char* path, FolderParts& parts)
{
    char buffer[GK_PATH_SIZE] = {};
    if (!path || std::strlen(path) >= GK_PATH_SIZE) return false;
    std::strcpy(buffer, path);
    if (!ReduceToFolder(buffer) || !AddTrailingBackslash(buffer, GK_PATH_SIZE)) return false;
    int rootLength = RootLength(buffer);
    if (rootLength == 0) return false;
    parts.root.assign(buffer, static_cast<size_t>(rootLength));
    parts.rest = buffer + rootLength;
    return true;
}

}  // namespace

int IsExistingFolder(const char* path)
{
    if (!path || path[0] == '\0' || std::strlen(path) >= GK_PATH_SIZE) return 0;
    char folder[GK_PATH_SIZE] = {};
    std::strcpy(folder, path);
    if (!ReduceToFolder(folder)) std::strcpy(folder, path);
    DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int CreateFolderLevels(const char* folder)
{
    FolderParts parts;
    if (!SplitFolder(folder, parts)) return 0;

    // Each level is a prefix of the folder up to one of its separators, so
    // it always fits the path buffer with its final backslash.
    std::string deepestExisting = parts.root;
    for (int separator : SeparatorPositions(parts.rest.c_str())) {
        std::string level = parts.root + parts.rest.substr(0, static_cast<size_t>(separator) + 1);
        if (IsExistingFolder(level.c_str())) {
            deepestExisting = level;
            continue;
        }
        if (!CreateDirectoryA(level.c_str(), nullptr)) {
            RemoveCreatedFolders(level.c_str(), deepestExisting.c_str());
            return 0;
        }
    }
    return 1;
}

int RemoveCreatedFolders(const char* failedLevel, const char* stopFolder)
{
    FolderParts failed;
    FolderParts stop;
    if (!SplitFolder(failedLevel, failed) || !SplitFolder(stopFolder, stop)) return 0;
    if (!EqualIgnoringCase(failed.root.c_str(), stop.root.c_str(),
                           static_cast<int>(failed.root.size()) + 1))
        return 0;
    const int stopLength = static_cast<int>(stop.rest.size());
    if (!EqualIgnoringCase(failed.rest.c_str(), stop.rest.c_str(), stopLength)) return 0;

    // Deepest first; the separator at index 0 would be the root's own.
    std::vector<int> separators = SeparatorPositions(failed.rest.c_str());
    for (auto it = separators.rbegin(); it != separators.rend() && *it >= 1; ++it) {
        const int k = *it;
        if (k <= stopLength) break;  // reached the stop folder
        std::string level = failed.root + failed.rest.substr(0, static_cast<size_t>(k) + 1);
        if (IsExistingFolder(level.c_str()) && !RemoveDirectoryA(level.c_str())) return 0;
    }
    return 1;
}
