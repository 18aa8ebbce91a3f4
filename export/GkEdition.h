// The editions of the program: the application type each declares when it
// connects, the name of its error log and of its settings file of remembered
// output paths. Built from the same sources, they differ in nothing else.
#pragma once

struct StGKEDITION {
    const char* pszName;     // "Alder", "Birch", "Cedar"
    int nAppType;            // application type declared to the connection
    const char* pszLogName;  // error-log file name beside the asset data file
    const char* pszSettingsName;  // settings file of remembered paths, in the settings folder
};

// The edition of the given name (compared without regard to case), or null.
const StGKEDITION* GkFindEdition(const char* name);

// The edition this program was built as: GK_EDITION_BIRCH or GK_EDITION_CEDAR
// when defined, else Alder.
const StGKEDITION* GkDefaultEdition();
