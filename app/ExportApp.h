// CExportApp: the application object. Its InitInstance performs the whole
// run in one pass: connection, working folder, program-level check, the
// selected data set, the export-conditions dialog, the export job, the
// remembered path and the completion report. ExitInstance closes the
// connection, also after a run that stopped early.
//
// InitInstance answers 0 when the run ends before the export and 1 after it;
// the user learns the outcome from the messages only.
#pragma once

#include "binding/PelkCmn.h"
#include "binding/PelkRecords.h"
#include "framework/WinApp.h"

class ClGkExport;

// Caption of every message box and the title given to the connection.
extern const char APP_TITLE[];

class CExportApp : public CWinApp {
public:
    CExportApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Fills out with the record of the selected data set (all zero when none
    // matches). 0 for a null out, else 1.
    int GetSelectedDataInfo(StDATAINFO* out);
    // kind 0: company label, kind 1: period label; empty for other kinds or
    // a null info. The text lives in one static buffer until the next call.
    static const char* GetLabelText(short kind, const StDATAINFO* info);
    // 1 when the run may go on, 0 to end it (a message already shown when
    // showMessages is nonzero).
    int CheckProgramLevel(int showMessages);
    // Starts commandLine in folder; with wait 1 waits for its end while
    // repainting. 1 started, 0 not started.
    int RunProcess(char* commandLine, const char* folder, unsigned char wait);
    // Tells the user how the export to outputPath went. failedFile names a
    // file the job could not open, write or close (null when there is none):
    // then the run is reported as failed and the files are kept as they are.
    void ReportCompletion(const char* outputPath, const char* failedFile);

    // The viewer's command line for logPath (VIEWER_COMMAND_SIZE bytes) and
    // its folder (261 bytes): WordPad of the system's accessories folder,
    // with the log's path in double quotes.
    enum { VIEWER_COMMAND_SIZE = 1024 };
    static void BuildViewerCommand(const char* logPath, char* commandLine, char* folder);

    // The file the job could not write whole, or null (see ClGkExport).
    static const char* FailedFileOf(ClGkExport& job);

private:
    ClSetData* m_pSetData = nullptr;
};
