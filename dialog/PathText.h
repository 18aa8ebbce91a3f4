// Small helpers for multibyte path texts of the dialog (Shift-JIS on the
// target systems). Separator searches go character by character, so the
// second byte of a double-byte character (which may be 0x5C) never counts
// as a backslash.
#pragma once

#include "framework/String.h"

// Text up to and including the last backslash; empty when there is none.
CString GetFolderPart(const CString& path);
// Text after the last backslash; the whole text when there is none.
CString GetFileNamePart(const CString& path);
// Text up to and including the last colon; empty when there is none.
CString GetDrivePart(const CString& path);
// Text after the last colon; the whole text when there is none.
CString GetAfterDrivePart(const CString& path);

// 1 when the byte at index is the first or second byte of a double-byte
// character of text.
int IsPartOfDoubleByteChar(const char* text, int index);

// Ensures that path (a buffer of capacity bytes) ends in a backslash.
// A final 0x5C that is the second byte of a double-byte character is not
// a separator. Answers 1 when the path ends in a backslash afterwards, 0 for
// an empty path or one too long to take the separator.
int AddTrailingBackslash(char* path, int capacity);
