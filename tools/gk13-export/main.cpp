// gk13-export: see Gk13Export.h.
#include "Gk13Export.h"

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Everything printed is UTF-8.
    SetConsoleOutputCP(CP_UTF8);
#endif
    return Gk13ExportMain(argc, argv, stdout, stderr);
}
