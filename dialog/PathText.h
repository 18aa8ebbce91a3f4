// Path functions of the export-conditions dialog and of the remembered-path
// store, on multibyte texts of the system's ANSI code page (Shift-JIS on the
// target systems).
//
// Every separator test goes character by character: the second byte of a
// double-byte character (which may be 0x5C, the backslash, or 0x7C, the
// vertical bar) is never taken for an ASCII character. Results are 1 for
// success or yes and 0 for failure or no. Path buffers hold at most 260 bytes
// of text and the terminating zero.
#pragma once

#include "framework/String.h"

enum { GK_PATH_SIZE = 261 };

// Text up to and including the last backslash; empty when there is none.
CString GetFolderPart(const CString& path);
// Text after the last backslash; the whole text when there is none.
CString GetFileNamePart(const CString& path);
// Text up to and including the last colon; empty when there is none.
CString GetDrivePart(const CString& path);
// Text after the last colon; the whole text when there is none.
CString GetAfterDrivePart(const CString& path);

// 1 when two backslash characters follow one another, the first of them at
// or after byte index from.
int HasDoubledBackslash(const char* text, int from);

// 1 when path begins with two backslashes (\\server\share...).
int IsNetworkPath(const char* path);

// 1 when the path holds no doubled backslash and none of the characters
// / : , ; * ? " > < | in its tested part: for a network path everything after
// the two leading backslashes, else everything after the first colon.
int HasNoInvalidChars(const CString& path);

// 1 when the byte at index is the first or second byte of a double-byte
// character of text.
int IsPartOfDoubleByteChar(const char* text, int index);

// Ensures that path (a buffer of capacity bytes) ends in a backslash.
// A final 0x5C that is the second byte of a double-byte character is not
// a separator. Answers 1 when the path ends in a backslash afterwards, 0 for
// an empty path or one too long to take the separator.
int AddTrailingBackslash(char* path, int capacity);

// Replaces path, in place, by its drive and directory part ending in a
// backslash ("C:\out\a.csv" -> "C:\out\"). The result is never longer than
// the input. 0 for an empty path or an empty result.
int ReduceToFolder(char* path);

// 1 when the folder part of path (the path itself when it has none) is an
// existing directory.
int IsExistingFolder(const char* path);

// Creates every missing level of the folder of path, top down. When a level
// cannot be created, the levels made by this call are removed again and the
// answer is 0; levels that existed before are never touched.
int CreateFolderLevels(const char* folder);

// Removes, deepest first, the levels between failedLevel and stopFolder
// (the deepest level that existed before the creation began); stopFolder
// and everything above it stay. 0 when the two do not share a root and a
// beginning, or a removal fails.
int RemoveCreatedFolders(const char* failedLevel, const char* stopFolder);
