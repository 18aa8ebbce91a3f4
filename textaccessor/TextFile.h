// ClTextFile: owns the file stream that text accessors write to and read from.
//
// The file is opened in binary: the line operations of ClTextAccessor put out
// exactly the bytes they mean (every line ends in CR LF, a bare LF inside a
// value stays bare) and reading drops the CR of a CR LF line end itself, so the
// bytes on disk and the records read back are the same on Windows and Linux.
//
// Open, Close and Attach report every outcome to ClMsgMgr (source "TextFile")
// and return what it returns: 0 on success, -1000 when the file cannot be
// opened or closing fails, -1003 when Attach is given no accessor.
#pragma once

#include <fstream>
#include <memory>

class ClTextAccessor;

enum TFOpenMode {
    TF_READ = 1,
    TF_WRITE = 2,
    TF_APPEND = 4,
    TF_TRUNCATE = 8,
};

inline TFOpenMode operator|(TFOpenMode a, TFOpenMode b)
{
    return static_cast<TFOpenMode>(static_cast<int>(a) | static_cast<int>(b));
}

class ClTextFile {
public:
    ClTextFile() = default;
    virtual ~ClTextFile();

    ClTextFile(const ClTextFile&) = delete;
    ClTextFile& operator=(const ClTextFile&) = delete;

    // Mode bits, TF_WRITE taking precedence over TF_READ:
    //   TF_WRITE|TF_TRUNCATE  create, or empty an existing file (TF_APPEND is then ignored)
    //   TF_WRITE|TF_APPEND    write at the end, create when missing
    //   TF_WRITE              create a new file; fails when the file exists
    //   TF_READ               read an existing file
    // Neither TF_READ nor TF_WRITE: fails with -1000. A file still open is
    // closed first.
    long Open(const char* path, TFOpenMode mode);
    long Close();
    long Attach(ClTextAccessor* accessor);

    bool IsOpen() const { return m_stream.is_open(); }

private:
    static const std::streamsize kBufferSize = 256 * 1024;

    std::fstream m_stream;
    std::unique_ptr<char[]> m_pBuffer;  // the stream's buffer, made at the first Open
};
