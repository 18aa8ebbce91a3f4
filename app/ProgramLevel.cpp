// The program-level check against the level-definition file of the
// installation.
//
// Not yet here: the definition file is not read, and every run may go on.
#include "app/ExportApp.h"

int CExportApp::CheckProgramLevel(int)
{
    return 1;
}
