// Conversion between the store's UTF-8 texts and the Shift-JIS (code page
// 932) bytes of the records and messages.
//
// A text converts only when every character has its own Shift-JIS form and
// converting back gives the same text: a character that would come out as a
// look-alike (for example the wave dash U+301C, which a lenient converter
// turns into the full-width tilde) is refused, never replaced. Pure ASCII is
// copied as it is.
#pragma once

#include <cstddef>
#include <string>

// UTF-8 to Shift-JIS. False when the input is not valid UTF-8 or a character
// has no exact Shift-JIS form; *out is then unspecified.
bool Utf8ToSjis(const std::string& utf8, std::string* out);

// Shift-JIS to UTF-8. False when the bytes are not valid Shift-JIS.
bool SjisToUtf8(const std::string& sjis, std::string* out);

// Fills a text field of a record: the Shift-JIS form of utf8 and a NUL within
// `room` bytes. False (field untouched) when the text does not convert or
// needs more than room - 1 bytes.
bool FillSjisField(char* field, size_t room, const std::string& utf8);

// The number of Shift-JIS bytes of utf8, or -1 when it does not convert.
long SjisLength(const std::string& utf8);
