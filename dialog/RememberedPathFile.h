// The settings file of remembered output paths: one line per user and data
// set, "<user id>/<first number>/<second number>:<path>" ended by a line
// feed, raw bytes, lines in the order of their last storage.
//
// Guarantees:
// - A key matches only at the start of a line, so the user "xabc" never
//   meets the line of "abc", and "1/3:" never the line of "1/30:".
// - Storing never edits the file in place: the new content goes to a
//   temporary file in the same folder, which replaces the old file only once
//   it is complete. A failure at any point leaves the old file as it was.
// - Any file size and any user id length are handled; the only limit is the
//   path read back (260 bytes, the caller's buffer).
#pragma once

#include <string>

// "%s/%d/%d:" of the user id and the two numbers.
std::string MakeRememberedPathKey(const char* userId, long firstNo, long secondNo);

// Byte offset of the line of content that begins with key, or
// std::string::npos.
size_t FindRememberedPathLine(const std::string& content, const std::string& key);

// Fills path (261 bytes, zero-filled by the caller) with the path of key's
// line in the file filePath; 1 when there is such a line, else 0.
int ReadRememberedPath(const char* filePath, const std::string& key, char* path);

// Makes key's line the last line of filePath with the given path, keeping
// every other line byte for byte and in order; creates the file when it is
// missing. 1 when the file was replaced, 0 when it was left as it was.
int WriteRememberedPath(const char* filePath, const std::string& key, const char* path);

// Writes size bytes to an open file; 1 when all were written. Replaceable so
// that tests can make a write fail part way, as a full disk does.
typedef int (*GkFileWriter)(void* file, const char* data, size_t size);
GkFileWriter GkSetRememberedPathWriter(GkFileWriter writer);
