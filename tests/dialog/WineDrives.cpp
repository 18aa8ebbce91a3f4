#include "tests/dialog/WineDrives.h"

#include <winioctl.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Wine's request to define a drive letter over a Unix folder, as its drive
// configuration tool sends it to the mount manager.
const DWORD IOCTL_DEFINE_UNIX_DRIVE =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDriveRequest {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;  // 0: remove the drive
    USHORT deviceOffset;
    USHORT labelOffset;
};

}  // namespace

bool DefineWineDrive(char letter, UINT type, const char* unixFolder)
{
    const bool remove = type == DRIVE_NO_ROOT_DIR || !unixFolder;
    std::vector<char> request(sizeof(UnixDriveRequest) + (remove ? 0 : std::strlen(unixFolder) + 1));
    UnixDriveRequest* header = reinterpret_cast<UnixDriveRequest*>(request.data());
    header->size = static_cast<ULONG>(request.size());
    header->type = remove ? DRIVE_NO_ROOT_DIR : type;
    header->letter = static_cast<WCHAR>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
    if (!remove) {
        header->mountPointOffset = sizeof(UnixDriveRequest);
        std::strcpy(request.data() + sizeof(UnixDriveRequest), unixFolder);
    }

    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(manager, IOCTL_DEFINE_UNIX_DRIVE, request.data(),
                              static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);

    char root[] = "?:\\";
    root[0] = static_cast<char>(header->letter - 'a' + 'A');
    // Removing a letter that has no drive is refused, and fine.
    return (ok || remove) && GetDriveTypeA(root) == (remove ? DRIVE_NO_ROOT_DIR : type);
}

std::string DefineWineShare(const char* server, const char* share)
{
    // Wine resolves \\server\share through <prefix>/dosdevices/unc/server/share;
    // the prefix's own folder is reachable on drive Z:, the Unix root.
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix || prefix[0] != '/') return std::string();
    std::string folder = std::string("Z:") + prefix + "/dosdevices/unc/" + server + "/" + share;
    for (char& c : folder)
        if (c == '/') c = '\\';
    for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
        CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string unc = std::string("\\\\") + server + "\\" + share;
    DWORD attributes = GetFileAttributesA(unc.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? unc
                                                                                           : std::string();
}
