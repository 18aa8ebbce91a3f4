// The program-level check: the installation's level-definition file
// "VuvorizoDef.ini" in the current directory (the program's folder) tells in
// section "ProgramLevel", key "GK13", whether this program may run with the
// installed accounting application. Only the level 1 lets the run go on;
// a missing file, an empty value or another level shows one message through
// the connection library and ends the run.
#include <windows.h>
#include <direct.h>

#include <cstdlib>
#include <cstring>

#include "app/ExportApp.h"
#include "binding/PelkLink.h"
#include "dialog/PathText.h"

namespace {

const char kDefinitionFile[] = "VuvorizoDef.ini";
const char kSection[] = "ProgramLevel";
const char kKey[] = "GK13";
const char kDefaultLevel[] = "1";

enum { DIR_SIZE = 261, PATH_SIZE = 517, VALUE_SIZE = 16 };

// Level codes: how the installed level relates to the one this program needs.
enum {
    LEVEL_NO_ENVIRONMENT = -1,  // no definition file, or an empty value
    LEVEL_MATCHES = 0,
    LEVEL_APP_TOO_OLD = 1,        // below 1
    LEVEL_COMPONENT_TOO_OLD = 2,  // 2 or more
};

struct LevelMessage {
    int level;
    const char* text;
};

const LevelMessage kLevelMessages[] = {
    {LEVEL_NO_ENVIRONMENT,
     "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。"},
    {LEVEL_APP_TOO_OLD,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。"},
    {LEVEL_COMPONENT_TOO_OLD,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "連動コンポーネントの最新版を入手してインストールしてからご利用ください。"},
};

int ReadLevelCode()
{
    char directory[DIR_SIZE] = {};
    if (!_getcwd(directory, DIR_SIZE - 1)) directory[0] = '\0';

    char path[PATH_SIZE] = {};
    std::strcpy(path, directory);
    // A folder ending in a double-byte character whose second byte is 0x5C
    // still needs its separator before the file name.
    if (path[0] != '\0') AddTrailingBackslash(path, PATH_SIZE);
    std::strcat(path, kDefinitionFile);

    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return LEVEL_NO_ENVIRONMENT;

    char value[VALUE_SIZE] = {};
    GetPrivateProfileStringA(kSection, kKey, kDefaultLevel, value, VALUE_SIZE, path);
    if (value[0] == '\0') return LEVEL_NO_ENVIRONMENT;
    int level = std::atoi(value);
    if (level == 1) return LEVEL_MATCHES;
    return level < 1 ? LEVEL_APP_TOO_OLD : LEVEL_COMPONENT_TOO_OLD;
}

}  // namespace

int CExportApp::CheckProgramLevel(int showMessages)
{
    const int code = ReadLevelCode();
    for (const LevelMessage& message : kLevelMessages) {
        if (message.level != code) continue;
        if (showMessages)
            ClPelkConnect::Inst()->DispMsg(nullptr, message.text, APP_TITLE,
                                           MB_ICONEXCLAMATION | MB_OK);
        return 0;
    }
    return 1;
}
