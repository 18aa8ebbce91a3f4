// Resource ids of the program: the export-conditions dialog and its controls,
// and the icon. Shared by the resource scripts and the C++ sources.
#pragma once

#define IDD_EXPORTCOND 130
#define IDR_MAINFRAME 128

#define IDC_LABEL_COMPANY 1000
#define IDC_LABEL_PERIOD 1001
#define IDC_COMPANY 1002
#define IDC_PERIOD 1003
#define IDC_GRP_OUTPUT 1004
#define IDC_EXECUTE 1005
#define IDC_CANCEL 1006
#define IDC_OUTPUT_PATH 1007
#define IDC_BROWSE 1008
