// Drive letters of the test's Wine prefix, defined while the test runs
// through Wine's mount manager (no restart of the Wine server needed): a
// CD-ROM drive, or a letter with no root directory behind it.
#pragma once

#include <windows.h>

// Defines letter as a drive of the given type (DRIVE_CDROM, DRIVE_FIXED...)
// over the Unix folder unixFolder; DRIVE_NO_ROOT_DIR removes the letter's
// drive so that nothing is behind it. true when the mount manager agreed and
// the letter now reports the type.
bool DefineWineDrive(char letter, UINT type, const char* unixFolder = nullptr);
