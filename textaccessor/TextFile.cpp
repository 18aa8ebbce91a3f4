// ClTextFile: opening and closing the stream, and handing it to accessors.
#include "textaccessor/TextFile.h"

#include <fcntl.h>

#include <new>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "binding/PelkMsgMgr.h"
#include "textaccessor/textaccessor.h"

namespace {

const char kSource[] = "TextFile";

long Report(long code, long line)
{
    return ClMsgMgr::Inst()->SetLastError(code, code == 0 ? nullptr : kSource, code == 0 ? 0 : line);
}

// Creates the file only when it does not exist yet: the check and the creation
// are one step, so an existing file is never emptied by a "new file" open.
bool CreateNewFile(const char* path)
{
#ifdef _WIN32
    int fd = _open(path, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return false;
    _close(fd);
#else
    int fd = ::open(path, O_CREAT | O_EXCL | O_WRONLY, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
#endif
    return true;
}

}  // namespace

ClTextFile::~ClTextFile()
{
    if (m_stream.is_open())
        m_stream.close();
}

long ClTextFile::Open(const char* path, TFOpenMode mode)
{
    if (m_stream.is_open())
        m_stream.close();
    m_stream.clear();

    std::ios::openmode how = std::ios::binary;
    if (mode & TF_WRITE) {
        if (mode & TF_TRUNCATE) {
            how |= std::ios::out | std::ios::trunc;
        } else if (mode & TF_APPEND) {
            how |= std::ios::out | std::ios::app;
        } else {
            if (path == nullptr || !CreateNewFile(path))
                return Report(TA_ERR_OPEN, __LINE__);
            how |= std::ios::out;
        }
    } else if (mode & TF_READ) {
        how |= std::ios::in;
    } else {
        return Report(TA_ERR_OPEN, __LINE__);
    }

    if (path == nullptr)
        return Report(TA_ERR_OPEN, __LINE__);
    // A large buffer: an asset data file of a million rows is hundreds of
    // megabytes, and each system call moves a whole buffer.
    if (m_pBuffer == nullptr)
        m_pBuffer.reset(new (std::nothrow) char[kBufferSize]);
    if (m_pBuffer != nullptr)
        m_stream.rdbuf()->pubsetbuf(m_pBuffer.get(), kBufferSize);
    m_stream.open(path, how);
    if (m_stream.fail() || !m_stream.is_open())
        return Report(TA_ERR_OPEN, __LINE__);
    return Report(0, 0);
}

long ClTextFile::Close()
{
    if (!m_stream.is_open())
        return Report(0, 0);
    m_stream.close();
    if (m_stream.fail())
        return Report(TA_ERR_OPEN, __LINE__);
    return Report(0, 0);
}

long ClTextFile::Attach(ClTextAccessor* accessor)
{
    if (accessor == nullptr)
        return Report(TA_ERR_PARAM, __LINE__);
    return accessor->Attach(&m_stream);
}
