#include "dialog/DriveCheck.h"

#include <windows.h>
#include <io.h>

#include <cstdio>

#include "dialog/PathText.h"

namespace {

enum DriveVerdict { DRIVE_REFUSED, DRIVE_ACCESS_TEST };

struct DriveTypeRule {
    UINT type;
    DriveVerdict verdict;
};

// A drive letter without a root directory would pass every test here and
// fail only when the export opens its file, so it is refused like a CD-ROM.
const DriveTypeRule kDriveTypeRules[] = {
    {DRIVE_UNKNOWN, DRIVE_REFUSED},
    {DRIVE_NO_ROOT_DIR, DRIVE_REFUSED},
    {DRIVE_REMOVABLE, DRIVE_ACCESS_TEST},
    {DRIVE_FIXED, DRIVE_ACCESS_TEST},
    {DRIVE_REMOTE, DRIVE_ACCESS_TEST},
    {DRIVE_CDROM, DRIVE_REFUSED},
    {DRIVE_RAMDISK, DRIVE_REFUSED},
};

const int ACCESS_READ_WRITE = 6;

}  // namespace

int CheckDriveLetter(signed char letter, int accessMode)
{
    int index;
    if (letter >= 'A' && letter <= 'Z')
        index = letter - 'A';
    else if (letter >= 'a' && letter <= 'z')
        index = letter - 'a';
    else
        return 0;

    char root[4] = {};
    std::snprintf(root, sizeof root, "%c:\\", 'A' + index);
    UINT type = GetDriveTypeA(root);
    for (const DriveTypeRule& rule : kDriveTypeRules) {
        if (rule.type != type) continue;
        if (rule.verdict == DRIVE_REFUSED) return 0;
        return _access(root, accessMode) == 0 ? 1 : 0;
    }
    return 1;  // a type this table does not know: left to the export
}

int CheckDrive(const CString& path)
{
    const char* text = path.GetString();
    if (IsNetworkPath(text)) {
        // \\server\share: up to the backslash that ends the share name.
        int serverEnd = path.Find('\\', 3);
        int shareEnd = serverEnd < 0 ? -1 : path.Find('\\', serverEnd + 1);
        if (shareEnd < 0) return 0;
        CString share = path.Left(shareEnd);
        return _access(share, ACCESS_READ_WRITE) == 0 ? 1 : 0;
    }
    if (HasDoubledBackslash(text, 0)) return 0;
    // The first character is the drive letter, with or without a colon after
    // it: a relative path is tested on the drive of its first letter.
    return CheckDriveLetter(static_cast<signed char>(text[0]), ACCESS_READ_WRITE);
}
