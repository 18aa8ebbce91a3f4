// Drive letters and network shares of the test's Wine prefix, defined while
// the test runs: through Wine's mount manager (no restart of the Wine server
// needed) a CD-ROM drive, or a letter with no root directory behind it; and
// a share \\server\share as a folder of the prefix's dosdevices/unc.
#pragma once

#include <windows.h>

#include <string>

// Defines letter as a drive of the given type (DRIVE_CDROM, DRIVE_FIXED...)
// over the Unix folder unixFolder; DRIVE_NO_ROOT_DIR removes the letter's
// drive so that nothing is behind it. true when the mount manager agreed and
// the letter now reports the type.
bool DefineWineDrive(char letter, UINT type, const char* unixFolder = nullptr);

// Makes \\server\share reachable (an empty folder of the prefix). Answers
// the share's path, or "" when the prefix is not known.
std::string DefineWineShare(const char* server, const char* share);
