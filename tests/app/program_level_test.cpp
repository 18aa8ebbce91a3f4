// The program-level check against the level-definition file of the current
// directory: which values let the run go on, which message each refusal
// shows through the connection library, and the quiet mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/ExportApp.h"
#include "binding/PelkLink.h"

namespace {

const char kNoEnvironment[] =
    "動作環境が不正です。\nPelk Ledgerが正しくインストールされているか確認してください。";
const char kUpdateApplication[] =
    "ご利用の連動コンポーネントは、インストールされているPelk Ledgerでは使用できません。\n"
    "Pelk Ledgerの最新版を入手してインストールしてからご利用ください。";
const char kUpdateComponent[] =
    "ご利用の連動コンポーネントは、インストールされているPelk Ledgerでは使用できません。\n"
    "連動コンポーネントの最新版を入手してインストールしてからご利用ください。";

struct ShownMessage {
    void* owner;
    std::string text;
    std::string caption;
    unsigned int flags;
};
std::vector<ShownMessage> g_shown;

int RecordMessage(void* owner, const char* text, const char* caption, unsigned int flags)
{
    g_shown.push_back({owner, text, caption, flags});
    return IDOK;
}

class ProgramLevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_shown.clear();
        ClPelkConnect::SetMessageHook(&RecordMessage);
        GetCurrentDirectoryA(MAX_PATH, m_saved);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "gklevel" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(m_folder.c_str()));
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_saved);
        ClPelkConnect::SetMessageHook(nullptr);
        for (const std::string& file : m_files) DeleteFileA(file.c_str());
        for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
            RemoveDirectoryA(it->c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    void WriteDefinition(const std::string& folder, const std::string& content)
    {
        std::string path = folder + "VuvorizoDef.ini";
        std::ofstream(path, std::ios::binary) << content;
        m_files.push_back(path);
    }
    std::string MakeFolder(const std::string& name)
    {
        std::string folder = m_folder + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        m_folders.push_back(folder);
        return folder;
    }

    std::string m_folder;
    std::vector<std::string> m_files;
    std::vector<std::string> m_folders;
    char m_saved[MAX_PATH] = {};
};

TEST_F(ProgramLevelTest, DefinitionFileDecides)
{
    struct Case {
        const char* name;
        const char* content;  // null: no file at all
        int result;
        const char* message;  // null: nothing shown
    };
    const Case cases[] = {
        {"no file", nullptr, 0, kNoEnvironment},
        {"no section", "[Other]\nGK13=5\n", 1, nullptr},
        {"no key", "[ProgramLevel]\nGK12=5\n", 1, nullptr},
        {"empty value", "[ProgramLevel]\nGK13=\n", 0, kNoEnvironment},
        {"1", "[ProgramLevel]\nGK13=1\n", 1, nullptr},
        {"01", "[ProgramLevel]\r\nGK13=01\r\n", 1, nullptr},
        {"0", "[ProgramLevel]\nGK13=0\n", 0, kUpdateApplication},
        {"-3", "[ProgramLevel]\nGK13=-3\n", 0, kUpdateApplication},
        {"abc", "[ProgramLevel]\nGK13=abc\n", 0, kUpdateApplication},
        {"2", "[ProgramLevel]\nGK13=2\n", 0, kUpdateComponent},
        {"17", "[ProgramLevel]\nGK13=17\n", 0, kUpdateComponent},
    };
    for (const Case& c : cases) {
        DeleteFileA((m_folder + "VuvorizoDef.ini").c_str());
        if (c.content) WriteDefinition(m_folder, c.content);
        for (int show : {1, 0}) {
            g_shown.clear();
            CExportApp app;
            EXPECT_EQ(c.result, app.CheckProgramLevel(show)) << c.name << " show " << show;
            if (!c.message || !show) {
                EXPECT_TRUE(g_shown.empty()) << c.name << " show " << show;
                continue;
            }
            ASSERT_EQ(1u, g_shown.size()) << c.name;
            EXPECT_EQ(c.message, g_shown[0].text) << c.name;
            EXPECT_EQ("減価償却", g_shown[0].caption) << c.name;
            EXPECT_EQ(nullptr, g_shown[0].owner) << c.name;
            EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION | MB_OK), g_shown[0].flags) << c.name;
        }
    }
}

// A folder of the file's name is no definition file: the run must not go on
// on the default level that reading it would give.
TEST_F(ProgramLevelTest, FolderOfTheFileNameIsNoDefinitionFile)
{
    MakeFolder("VuvorizoDef.ini");
    CExportApp app;
    EXPECT_EQ(0, app.CheckProgramLevel(1));
    ASSERT_EQ(1u, g_shown.size());
    EXPECT_EQ(kNoEnvironment, g_shown[0].text);
}

// The definition file is found in a current directory whose name ends in a
// double-byte character with 0x5C as second byte (表), and in one that ends in
// a real backslash.
TEST_F(ProgramLevelTest, FolderEndingInATrailByteBackslash)
{
    for (const char* name : {"表", "ソフト表"}) {
        std::string folder = MakeFolder(name) + "\\";
        WriteDefinition(folder, "[ProgramLevel]\nGK13=1\n");
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str())) << name;
        g_shown.clear();
        CExportApp app;
        EXPECT_EQ(1, app.CheckProgramLevel(1)) << name;
        EXPECT_TRUE(g_shown.empty()) << name;
    }
    // C:\ ends in a real backslash: the file name follows it directly.
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    if (GetFileAttributesA("C:\\VuvorizoDef.ini") == INVALID_FILE_ATTRIBUTES) {
        WriteDefinition("C:\\", "[ProgramLevel]\nGK13=2\n");
        CExportApp app;
        EXPECT_EQ(0, app.CheckProgramLevel(1));
        ASSERT_EQ(1u, g_shown.size());
        EXPECT_EQ(kUpdateComponent, g_shown[0].text);
    }
}

}  // namespace
