// The one application object of the program, constructed before the entry.
#include "app/ExportApp.h"

CExportApp theApp;
