// The output paths remembered per user and data set.
//
// Not yet here: the settings file. Until it is added nothing is remembered:
// Load never finds a path (the dialog proposes its default) and Save stores
// nothing.
#include "dialog/ExportCondDlg.h"

int CExportCondDlg::LoadRememberedPath(char*)
{
    return 0;
}

int CExportCondDlg::SaveRememberedPath(const char*)
{
    return 0;
}
