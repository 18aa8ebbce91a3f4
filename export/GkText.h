// Shift-JIS text helpers of the row conversion: character-aware cuts that never
// split a double-byte character, left filling, and the replacement of the
// bytes that would break a comma-separated line (comma, CR, LF).
//
// All lengths are byte counts. A lead byte without a valid second byte after it
// (at the end of the text, or before a comma or line feed) counts as a
// character of its own.
#pragma once

#include <cstddef>

// First byte of a double-byte Shift-JIS character (0x81-0x9F, 0xE0-0xFC).
inline bool GkIsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length of the longest run of whole characters from the start that fits in n bytes.
size_t GkHeadLength(const char* text, size_t length, size_t n);

// Start of the longest run of whole characters at the end that fits in n bytes.
size_t GkTailStart(const char* text, size_t length, size_t n);

// True when the byte at pos is the second byte of a double-byte character.
bool GkIsTrailAt(const char* text, size_t length, size_t pos);

// Copies text into out with a comma replaced by the full-width comma (two
// bytes) and CR or LF by a space. out must hold 2 * length + 1 bytes; it is
// NUL-terminated. Answers the new length; *changed tells whether any byte was
// replaced.
size_t GkReplaceSeparators(const char* text, size_t length, char* out, bool* changed);

// Length of the text within a record field of the given room (the NUL, when
// the field has none, is taken to lie right after the room).
size_t GkFieldLength(const char* field, size_t room);
