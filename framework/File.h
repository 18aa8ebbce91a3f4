// CFile's static file operations and the file-status record.
//
// GetStatus fills the record of an existing file or folder and answers
// nonzero; for a missing path it answers 0 and leaves the record as it was.
// Remove answers nonzero when the file was deleted and 0 when it was not
// (missing, or held open by another program): failures are results, never
// exceptions.
#pragma once

#include <windows.h>

#include <cstdint>

struct CFileStatus {
    FILETIME m_ctime;
    FILETIME m_mtime;
    FILETIME m_atime;
    int64_t m_size;
    BYTE m_attribute;  // the low byte of the file attributes
    char m_szFullName[MAX_PATH];
};

class CFile {
public:
    static BOOL GetStatus(const char* path, CFileStatus& status);
    static BOOL Remove(const char* path);
};
