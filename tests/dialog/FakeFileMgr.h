// Controls of the file-manager test double (FakeFileMgr.cpp).
#pragma once

#include <string>

#include "binding/PelkFileMgr.h"

extern std::string g_fakeDataFolder;      // answer for folder type 0 (Shift-JIS)
extern std::string g_fakeSettingsFolder;  // answer for folder type 1 (Shift-JIS)
extern int g_fakeFileMgrReleases;
