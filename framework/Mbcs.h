// Multibyte helpers of the framework layer: which bytes begin a double-byte
// character in the system's ANSI code page (Shift-JIS on the target systems).
//
// A lead byte followed by a non-NUL byte is one character of two bytes; the
// second byte may equal an ASCII code such as the backslash (0x5C) and is
// never taken for it.
#pragma once

#include <cstddef>

namespace gkfw {

bool IsLeadByte(unsigned char c);

// Bytes taken by the character that starts at text (0 at the terminating NUL).
size_t CharLength(const char* text);

}  // namespace gkfw
