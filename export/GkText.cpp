// Shift-JIS text helpers; see GkText.h.
#include "export/GkText.h"

#include <cstring>

namespace {

bool IsTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Byte count of the character starting at pos. A lead byte that is not
// followed by a possible second byte (a comma, a line feed, the end) stands
// alone, so that such a byte is never hidden inside a character.
size_t CharLength(const char* text, size_t length, size_t pos)
{
    if (GkIsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < length &&
        IsTrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

}  // namespace

size_t GkHeadLength(const char* text, size_t length, size_t n)
{
    size_t pos = 0;
    while (pos < length) {
        size_t step = CharLength(text, length, pos);
        if (pos + step > n)
            break;
        pos += step;
    }
    return pos;
}

size_t GkTailStart(const char* text, size_t length, size_t n)
{
    if (length <= n)
        return 0;
    size_t pos = 0;
    while (pos < length && length - pos > n)
        pos += CharLength(text, length, pos);
    return pos;
}

bool GkIsTrailAt(const char* text, size_t length, size_t pos)
{
    size_t at = 0;
    while (at < length && at < pos)
        at += CharLength(text, length, at);
    return at > pos;
}

size_t GkReplaceSeparators(const char* text, size_t length, char* out, bool* changed)
{
    static const char kFullWidthComma[] = "，";
    static_assert(sizeof kFullWidthComma == 3, "the full-width comma is two Shift-JIS bytes");
    // A comma, CR or LF byte is never the second byte of a character, so each
    // one met is a character of its own: the text is taken byte by byte.
    size_t n = 0;
    bool any = false;
    for (size_t pos = 0; pos < length; ++pos) {
        const char c = text[pos];
        if (c == ',') {
            out[n++] = kFullWidthComma[0];
            out[n++] = kFullWidthComma[1];
            any = true;
        } else if (c == '\r' || c == '\n') {
            out[n++] = ' ';
            any = true;
        } else {
            out[n++] = c;
        }
    }
    out[n] = '\0';
    if (changed)
        *changed = any;
    return n;
}

size_t GkFieldLength(const char* field, size_t room)
{
    const void* nul = memchr(field, '\0', room);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : room;
}
