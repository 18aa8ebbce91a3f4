#include "framework/Mbcs.h"

#include <windows.h>

namespace gkfw {

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

size_t CharLength(const char* text)
{
    if (text[0] == '\0') return 0;
    if (IsLeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0') return 2;
    return 1;
}

}  // namespace gkfw
