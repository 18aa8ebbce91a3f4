#include "app/ExportApp.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/Edition.h"
#include "binding/PelkLink.h"
#include "dialog/ExportCondDlg.h"
#include "export/GkExport.h"
#include "framework/Mbcs.h"

const char APP_TITLE[] = "減価償却";

namespace {
enum { PATH_SIZE = 261, USER_ID_SIZE = 65, LABEL_SIZE = 256 };
const short DATA_KIND_PAST_RESULTS = 99;
}  // namespace

CExportApp::CExportApp() : CWinApp(nullptr)
{
}

BOOL CExportApp::InitInstance()
{
    AfxEnableControlContainer();

    ClPelkConnect* connect = ClPelkConnect::Inst();
    connect->m_pszTitle = APP_TITLE;
    connect->SetAppType(static_cast<ClSysEnvMgr::_AppType>(AppEdition()->nAppType));
    connect->SetUseDataType(3);
    if (connect->Initiate() != 0) return FALSE;

    // The program's own folder becomes the current directory: the level
    // check reads its definition file from there.
    char programPath[PATH_SIZE] = {};
    GetModuleFileNameA(nullptr, programPath, PATH_SIZE - 1);
    char* lastBackslash = std::strrchr(programPath, '\\');
    if (lastBackslash) lastBackslash[1] = '\0';
    SetCurrentDirectoryA(programPath);

    if (!CheckProgramLevel(1)) return FALSE;
    if (connect->ExpSysLink() != 0) return FALSE;

    CExportCondDlg dialog(nullptr);
    StDATAINFO info;
    std::memset(&info, 0, sizeof info);
    GetSelectedDataInfo(&info);

    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    user->GetCurUserID(dialog.m_szUserID);
    user->GetSelectedNo(dialog.m_szUserID, &dialog.m_lSelectedNo1, &dialog.m_lSelectedNo2);
    dialog.m_bPastResults = info.nDataKind == DATA_KIND_PAST_RESULTS ? 1 : 0;
    dialog.m_strCompanyName = GetLabelText(0, &info);
    dialog.m_strPeriod = GetLabelText(1, &info);

    if (dialog.DoModal() == IDC_CANCEL) return FALSE;

    char path[PATH_SIZE] = {};
    std::strncpy(path, dialog.m_strOutputPath, PATH_SIZE - 1);

    BeginWaitCursor();
    std::unique_ptr<ClGkExport> job(new ClGkExport());
    job->SetPath(path);
    job->SetEdition(AppEdition());
    job->BeginDataFile(&info);
    job->ExportAssets();
    job->ExportAssetTypes(&info);
    RestoreWaitCursor();

    dialog.SaveRememberedPath(path);
    ReportCompletion(path, FailedFileOf(*job));

    job.reset();
    EndWaitCursor();
    return TRUE;
}

int CExportApp::ExitInstance()
{
    ClPelkConnect* connect = ClPelkConnect::Inst();
    connect->LogOut();
    connect->Terminate();
    ClPelkConnect::Release();
    return CWinApp::ExitInstance();
}

int CExportApp::GetSelectedDataInfo(StDATAINFO* out)
{
    if (!out) return 0;
    if (!m_pSetData)
        m_pSetData = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(5, 1));
    std::memset(out, 0, sizeof *out);

    char userID[USER_ID_SIZE] = {};
    long first = 0;
    long second = 0;
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    user->GetCurUserID(userID);
    user->GetSelectedNo(userID, &first, &second);

    long cursor = 0;
    m_pSetData->GetDatCursor(&cursor);
    m_pSetData->ReadyDat(cursor, 0);
    StDATAINFO work;
    for (;;) {
        std::memset(&work, 0, sizeof work);
        if (m_pSetData->WalkDat(&work, cursor) != 0) break;
        if (work.lDataNo == second) {
            std::memcpy(out, &work, sizeof work);
            break;  // the first match wins
        }
    }
    m_pSetData->ReleaseDatCursor(cursor);
    return 1;
}

const char* CExportApp::GetLabelText(short kind, const StDATAINFO* info)
{
    static char label[LABEL_SIZE];
    std::memset(label, 0, sizeof label);
    if (!info) return label;
    if (kind == 0) {
        // A name that fills its field does not fit the label: it is cut at
        // the last whole character that does.
        const char* name = info->szCompanyName;
        size_t room = sizeof label - 2;  // after the space, before the NUL
        size_t length = 0;
        size_t limit = strnlen(name, sizeof info->szCompanyName);
        while (length < limit) {
            size_t step = gkfw::CharLength(name + length);
            if (length + step > room || length + step > limit) break;
            length += step;
        }
        label[0] = ' ';
        std::memcpy(label + 1, name, length);
    } else if (kind == 1) {
        const int32_t s = info->lPeriodStart;
        const int32_t e = info->lPeriodEnd;
        std::snprintf(label, sizeof label, " %04d/%02d/%02d～%04d/%02d/%02d", s / 10000,
                      s % 10000 / 100, s % 100, e / 10000, e % 10000 / 100, e % 100);
    }
    return label;
}

const char* CExportApp::FailedFileOf(ClGkExport& job)
{
    if (!job.HasFailure()) return nullptr;
    // The data file first: it is what the user asked for.
    static const short kinds[] = {GK_FILE_DATA, GK_FILE_LOG, GK_FILE_SSC};
    for (short kind : kinds) {
        const StGKFILESTATE& state = job.GetWriter().GetFileState(kind);
        if (state.nFailure != GK_FAILURE_NONE) return state.strPath.c_str();
    }
    return job.GetPath();  // no rule object: nothing was read for the data file
}
