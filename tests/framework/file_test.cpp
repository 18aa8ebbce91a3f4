// CFile's static operations: the status of files and folders, and removal
// that reports failure as a result.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/File.h"

namespace {

std::string TempName(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteFile(const std::string& path, const char* bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    fputs(bytes, f);
    fclose(f);
}

TEST(CFileTest, StatusOfFileFolderAndMissingPath)
{
    std::string path = TempName("gk_fw_status.txt");
    WriteFile(path, "12345");
    CFileStatus status = {};
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(5, status.m_size);
    EXPECT_EQ(0, status.m_attribute & FILE_ATTRIBUTE_DIRECTORY);

    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    CFileStatus dirStatus = {};
    ASSERT_TRUE(CFile::GetStatus(folder, dirStatus));
    EXPECT_NE(0, dirStatus.m_attribute & FILE_ATTRIBUTE_DIRECTORY);

    CFileStatus missing = {};
    EXPECT_FALSE(CFile::GetStatus(TempName("gk_fw_missing.txt").c_str(), missing));
    EXPECT_EQ(0, missing.m_size);
    DeleteFileA(path.c_str());
}

TEST(CFileTest, RemoveReportsMissingAndHeldFiles)
{
    std::string path = TempName("gk_fw_remove.txt");
    WriteFile(path, "x");
    EXPECT_TRUE(CFile::Remove(path.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_FALSE(CFile::Remove(path.c_str()));

    // A file another program holds without sharing deletion stays.
    WriteFile(path, "x");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CFile::Remove(path.c_str()));
    CloseHandle(held);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_TRUE(CFile::Remove(path.c_str()));
}

}  // namespace
