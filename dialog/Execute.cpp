// OnExecute: the execute action of the export-conditions dialog (button,
// Enter on the button, F12). It takes the path field's text as the output
// path and ends the dialog with IDC_EXECUTE.
//
// Not yet here: the checks of the path (empty, forbidden characters, drive,
// file name, missing folder, existing file). Until they are added every
// text, also an empty one, is accepted.
#include "dialog/ExportCondDlg.h"

void CExportCondDlg::OnExecute()
{
    UpdateData(TRUE);
    EndDialog(IDC_EXECUTE);
}
