// The edition this program is built as. Edition.cpp is compiled once per
// program with GK_EDITION_ALDER, GK_EDITION_BIRCH or GK_EDITION_CEDAR; the
// rest of the program's code is the same in all three.
#pragma once

#include "export/GkEdition.h"

// The application type, error-log name and name of the built edition.
const StGKEDITION* AppEdition();
