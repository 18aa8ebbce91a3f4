// The paths of the three files of one export, all in the folder of the output
// path P of the asset data file.
//
// The asset-type file and the error log replace the file name of P: the part
// after its last separator, else after a drive colon ("C:data.csv"), else the
// whole of P. The separator is the backslash; on Windows the search skips the
// second bytes of double-byte characters (a 0x5C there is not a separator),
// natively the slash is a separator too. A path that would need more than
// GK_PATH_MAX bytes is never cut into another name: it is refused.
#pragma once

#include <cstddef>

enum GkFileKind : short {
    GK_FILE_DATA = 0,
    GK_FILE_SSC = 1,
    GK_FILE_LOG = 2,
};

enum {
    GK_PATH_SIZE = 261,  // path buffers, NUL included
    GK_PATH_MAX = 260,   // longest path in bytes
};

extern const char GK_SSC_FILE_NAME[];  // "syurui.SSC"

// Where the file name of path starts (0 when it has no folder or drive part).
size_t GkFileNameStart(const char* path);

// Builds the path of the file kind for output path P into out (GK_PATH_SIZE
// bytes, zero-filled first). logName is the edition's error-log name. Answers
// 1, or 0 when P or the result has more than GK_PATH_MAX bytes (out is then
// empty).
int GkBuildPath(short kind, const char* path, const char* logName, char* out);
