#include "tests/dialog/TestFolder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TestFolder::TestFolder(const std::string& base)
{
    std::string parent = base;
    if (parent.empty()) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        parent = temp;
    }
    static int serial = 0;
    for (;;) {
        m_path = parent + "gk" + std::to_string(GetCurrentProcessId() % 10000) + "_" +
                 std::to_string(++serial) + "\\";
        if (CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

TestFolder::~TestFolder()
{
    RemoveTree(m_path);
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
