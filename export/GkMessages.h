// The texts of the error-log entries. Each opens with a line feed and the kind
// (＜ERROR＞ or ＜WARNING＞) on a line of its own and separates its lines with
// bare line feeds; the log adds CR LF after the whole entry.
//
// Placeholders are printf conversions. Where the entry shows an 8-character row
// code, the code always has its 8 characters, so a plain %s shows it as a
// zero-filled %08s would.
#pragma once

enum GkLogEntry {
    GK_LOG_L1 = 1,    // asset code longer than 6 bytes (warning)
    GK_LOG_L2,        // asset code not half-width letters and digits (error)
    GK_LOG_L3,        // asset code taken (error)
    GK_LOG_L4,        // asset type code of more than 2 digits (warning)
    GK_LOG_L5,        // asset name cut (warning)
    GK_LOG_L6,        // quantity too large (warning)
    GK_LOG_L7,        // amount too large (error)
    GK_LOG_L8,        // memo cut (warning)
    GK_LOG_L9,        // sub-items beyond the 99th (warning)
    GK_LOG_L10,       // asset code and sub-number too long (warning)
    GK_LOG_L11,       // row code not half-width letters and digits (error)
    GK_LOG_L12,       // row code taken (error)
    GK_LOG_L13,       // row code's asset code taken (error)
    GK_LOG_L14,       // sub-item name cut (warning)
    GK_LOG_SEPARATOR, // comma, CR or LF replaced in a text value (warning)
    GK_LOG_KIND_COUNT
};

// Format of each entry, indexed by GkLogEntry (index 0 unused).
extern const char* const GK_LOG_FORMATS[GK_LOG_KIND_COUNT];

// True for the entries of kind ERROR, false for WARNING.
bool GkLogEntryIsError(int entry);
