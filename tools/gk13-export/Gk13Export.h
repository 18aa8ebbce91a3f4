// gk13-export: the export job on the command line, on the same code as the
// program: it connects to the ledger store as the program does, takes the
// current user's selected data set (or the one named by --data), refuses
// past-results data with the program's message, runs the job's three steps
// and reports the outcome as the completion report does.
#pragma once

#include <cstdio>

// Exit codes.
enum {
    GK13_EXIT_CLEAN = 0,     // all three files written, the log was empty (and is deleted)
    GK13_EXIT_ENTRIES = 1,   // all three files written, the log has entries
    GK13_EXIT_FAILED = 2,    // nothing or not everything was written (store, data set, a file)
    GK13_EXIT_USAGE = 3,     // the command line was not understood
};

// Runs the command line; messages go to out and err in UTF-8.
int Gk13ExportMain(int argc, char** argv, FILE* out, FILE* err);
