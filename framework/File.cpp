#include "framework/File.h"

#include <cstring>

BOOL CFile::GetStatus(const char* path, CFileStatus& status)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return FALSE;
    status.m_ctime = data.ftCreationTime;
    status.m_mtime = data.ftLastWriteTime;
    status.m_atime = data.ftLastAccessTime;
    status.m_size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.m_attribute = static_cast<BYTE>(data.dwFileAttributes & 0xFF);
    if (!GetFullPathNameA(path, MAX_PATH, status.m_szFullName, nullptr))
        status.m_szFullName[0] = '\0';
    return TRUE;
}

BOOL CFile::Remove(const char* path)
{
    return path && DeleteFileA(path) ? TRUE : FALSE;
}
