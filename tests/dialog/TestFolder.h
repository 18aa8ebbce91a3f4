// A scratch folder for one test, removed with everything in it at the end.
// Paths are Shift-JIS and end in a backslash.
#pragma once

#include <string>

class TestFolder {
public:
    // A fresh folder directly below base (default: the temporary folder).
    explicit TestFolder(const std::string& base = std::string());
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return m_path + relative; }

private:
    std::string m_path;
};

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
