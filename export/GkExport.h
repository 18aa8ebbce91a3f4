// ClGkExport: one export run, in three steps called once each, in order:
//   BeginDataFile     creates the error log and the asset data file, writes the
//                     header block and the column-name line;
//   ExportAssets      walks every fixed asset through the rule object and writes
//                     its row (or one per lump-sum sub-item, up to the 99th),
//                     then closes the data file and the log;
//   ExportAssetTypes  writes the asset-type file syurui.SSC.
// All three files lie in the folder of the output path (see GkPaths.h).
//
// The job owns the rule object (created on first need, attached once, used by
// both walks) and its writer. Destruction ends the rule's walk, destroys the
// writer (closing whatever is still open), then deletes the rule object.
//
// The steps answer 1, or 0 when the rule object cannot be created. Whether the
// run reached the disk whole is HasFailure(): a file that could not be opened,
// written or closed, or a missing rule object. A front end must report such a
// run as failed, naming the file (GetWriter().GetFileState), never as success.
#pragma once

#include <memory>
#include <string>

#include "binding/PelkBCore.h"
#include "export/GkAssetLoop.h"
#include "export/GkEdition.h"
#include "export/GkWriter.h"

class ClGkExport {
public:
    ClGkExport();
    virtual ~ClGkExport();

    ClGkExport(const ClGkExport&) = delete;
    ClGkExport& operator=(const ClGkExport&) = delete;

    void SetPath(const char* path) { m_strPath = path ? path : ""; }
    const char* GetPath() const { return m_strPath.c_str(); }
    void SetEdition(const StGKEDITION* edition) { m_writer.SetLogName(edition->pszLogName); }
    // The data set the rule object walks; by default the one the library
    // reports as the current user's selection.
    void SetDataID(const char* dataId) { m_strDataID = dataId ? dataId : ""; }
    void SetProgress(GkProgressFn progress, void* context) { m_pfnProgress = progress; m_pProgressContext = context; }

    int BeginDataFile(const StDATAINFO* info);
    int ExportAssets();
    int ExportAssetTypes(const StDATAINFO* info);
    ClRuleGenkashokyaku* CreateRule();

    ClGkWriter& GetWriter() { return m_writer; }
    bool RuleMissing() const { return m_bRuleMissing; }
    bool HasFailure() const { return m_bRuleMissing || m_writer.HasFailure(); }

private:
    bool AttachRule();

    std::string m_strPath;
    std::unique_ptr<ClRuleGenkashokyaku> m_pRule;  // deleted after the writer
    ClGkWriter m_writer;

    std::string m_strDataID;
    bool m_bRuleMissing = false;
    GkProgressFn m_pfnProgress = nullptr;
    void* m_pProgressContext = nullptr;
};
