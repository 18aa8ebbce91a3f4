// The drive test of an output path: is the drive (or the network share) of
// the path one that the export can write to?
//
// CheckDriveLetter accepts removable, fixed and remote drives whose root
// passes the access test of the given mode (_access: 6 for reading and
// writing). It refuses any character that is not an ASCII letter, and drives
// that cannot take a file: unknown type, no root directory (a letter with
// nothing behind it), CD-ROM and RAM disk.
// CheckDrive tests a network path on its \\server\share part and any other
// path on its first character taken as the drive letter.
#pragma once

#include "framework/String.h"

int CheckDriveLetter(signed char letter, int accessMode);
int CheckDrive(const CString& path);
