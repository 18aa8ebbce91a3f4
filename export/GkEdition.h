// The editions of the program: the application type each declares when it
// connects, and the name of its error log. Built from the same sources, they
// differ in nothing else that the export sees.
#pragma once

struct StGKEDITION {
    const char* pszName;     // "Alder", "Birch", "Cedar"
    int nAppType;            // application type declared to the connection
    const char* pszLogName;  // error-log file name beside the asset data file
};

// The edition of the given name (compared without regard to case), or null.
const StGKEDITION* GkFindEdition(const char* name);

// The edition this program was built as: GK_EDITION_BIRCH or GK_EDITION_CEDAR
// when defined, else Alder.
const StGKEDITION* GkDefaultEdition();
