#include "dialog/RememberedPathFile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "dialog/PathText.h"

namespace {

enum { PATH_SIZE = 261 };

int WriteWhole(void* file, const char* data, size_t size)
{
    while (size > 0) {
        DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(file), data, chunk, &written, nullptr) || written == 0)
            return 0;
        data += written;
        size -= written;
    }
    return 1;
}

GkFileWriter g_writer = &WriteWhole;

// Closes a file handle on every way out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close()
    {
        if (!IsOpen()) return true;
        bool closed = CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

enum ReadResult { READ_OK, READ_MISSING, READ_FAILED };

// The whole content of the file, whatever its size.
ReadResult ReadWholeFile(const char* filePath, std::string& content)
{
    FileHandle file(CreateFileA(filePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? READ_MISSING
                                                                               : READ_FAILED;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return READ_FAILED;
    try {
        content.assign(static_cast<size_t>(size.QuadPart), '\0');
    } catch (const std::exception&) {
        return READ_FAILED;
    }
    size_t done = 0;
    while (done < content.size()) {
        size_t left = content.size() - done;
        DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(file.Get(), &content[done], chunk, &got, nullptr)) return READ_FAILED;
        if (got == 0) break;  // shorter than its size said: take what is there
        done += got;
    }
    content.resize(done);
    return READ_OK;
}

// Writes content to a fresh temporary file beside filePath and puts it in
// the place of filePath.
int ReplaceFileContent(const char* filePath, const std::string& content)
{
    std::string folder = GetFolderPart(CString(filePath)).GetString();
    char temporary[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "gkp", 0, temporary)) return 0;

    bool complete;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        complete = file.IsOpen() && g_writer(file.Get(), content.data(), content.size()) &&
                   FlushFileBuffers(file.Get()) && file.Close();
    }
    if (complete &&
        MoveFileExA(temporary, filePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    DeleteFileA(temporary);
    return 0;
}

}  // namespace

std::string MakeRememberedPathKey(const char* userId, long firstNo, long secondNo)
{
    char numbers[32] = {};
    std::snprintf(numbers, sizeof numbers, "/%ld/%ld:", firstNo, secondNo);
    return std::string(userId ? userId : "") + numbers;
}

size_t FindRememberedPathLine(const std::string& content, const std::string& key)
{
    for (size_t lineStart = 0; lineStart < content.size();) {
        if (content.compare(lineStart, key.size(), key) == 0) return lineStart;
        size_t lineFeed = content.find('\n', lineStart);
        if (lineFeed == std::string::npos) break;
        lineStart = lineFeed + 1;
    }
    return std::string::npos;
}

int ReadRememberedPath(const char* filePath, const std::string& key, char* path)
{
    std::string content;
    if (ReadWholeFile(filePath, content) != READ_OK) return 0;
    size_t line = FindRememberedPathLine(content, key);
    if (line == std::string::npos) return 0;

    size_t begin = line + key.size();
    size_t end = content.find('\n', begin);
    if (end == std::string::npos) end = content.size();
    size_t length = end - begin;
    if (length > PATH_SIZE - 1) length = PATH_SIZE - 1;
    std::memcpy(path, content.data() + begin, length);
    path[length] = '\0';
    return 1;
}

int WriteRememberedPath(const char* filePath, const std::string& key, const char* path)
{
    try {
        std::string content;
        ReadResult read = ReadWholeFile(filePath, content);
        if (read == READ_FAILED) return 0;

        size_t line = FindRememberedPathLine(content, key);
        if (line != std::string::npos) {
            size_t lineFeed = content.find('\n', line);
            size_t next = lineFeed == std::string::npos ? content.size() : lineFeed + 1;
            content.erase(line, next - line);
        }
        // A last line without its line feed keeps its own line.
        if (!content.empty() && content.back() != '\n') content += '\n';
        content += key;
        content += path ? path : "";
        content += '\n';
        return ReplaceFileContent(filePath, content);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

GkFileWriter GkSetRememberedPathWriter(GkFileWriter writer)
{
    GkFileWriter previous = g_writer;
    g_writer = writer ? writer : &WriteWhole;
    return previous;
}
