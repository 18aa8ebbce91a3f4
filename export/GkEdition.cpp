// The edition table; see GkEdition.h.
#include "export/GkEdition.h"

#include <cctype>

namespace {

const StGKEDITION kEditions[] = {
    {"Alder", 0, "PelkAlderGk13SysErr.txt", "PelkAlder17ToGk13.env"},
    {"Birch", 4, "PelkBirchGk13SysErr.txt", "PelkBirch17ToGk13.env"},
    {"Cedar", 3, "PelkCedarGk13SysErr.txt", "PelkCedar17ToGk13.env"},
};

bool SameName(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

}  // namespace

const StGKEDITION* GkFindEdition(const char* name)
{
    if (name == nullptr)
        return nullptr;
    for (const StGKEDITION& e : kEditions) {
        if (SameName(e.pszName, name))
            return &e;
    }
    return nullptr;
}

const StGKEDITION* GkDefaultEdition()
{
#if defined(GK_EDITION_BIRCH)
    return &kEditions[1];
#elif defined(GK_EDITION_CEDAR)
    return &kEditions[2];
#else
    return &kEditions[0];
#endif
}
