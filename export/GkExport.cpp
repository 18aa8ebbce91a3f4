// ClGkExport: the three steps of one export run; see GkExport.h.
#include "export/GkExport.h"

#include <cstring>
#include <new>

ClGkExport::ClGkExport() = default;

ClGkExport::~ClGkExport()
{
    if (m_pRule)
        m_pRule->MoveFinish();
}

ClRuleGenkashokyaku* ClGkExport::CreateRule()
{
    m_pRule.reset(new (std::nothrow) ClRuleGenkashokyaku());
    return m_pRule.get();
}

// Creates the rule object when there is none yet and attaches it to the
// selected data set; false when it cannot be created.
bool ClGkExport::AttachRule()
{
    if (m_pRule)
        return true;
    if (CreateRule() == nullptr) {
        m_bRuleMissing = true;
        return false;
    }
    ClDataMgr* data = ClDataMgr::Inst();
    m_pRule->AttachSetMgr(data->GetSetMgr());
    if (!m_strDataID.empty()) {
        m_pRule->SetCurDataID(m_strDataID.c_str());
    } else {
        ClSetData* set = static_cast<ClSetData*>(data->GetSetObject(5, 1));
        StDATAINFO* selected = set ? set->GetSelectedInfo() : nullptr;
        char id[sizeof selected->szDataID + 1] = {};
        if (selected)
            memcpy(id, selected->szDataID, sizeof selected->szDataID);
        m_pRule->SetCurDataID(id);
    }
    m_pRule->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    return true;
}

int ClGkExport::BeginDataFile(const StDATAINFO* info)
{
    m_writer.OpenFile(GK_FILE_LOG, m_strPath.c_str());
    m_writer.OpenFile(GK_FILE_DATA, m_strPath.c_str());
    m_writer.WriteDataFileHeader(info);
    return 1;
}

int ClGkExport::ExportAssets()
{
    if (!AttachRule())
        return 0;
    GkWalkAssets(*m_pRule, m_writer, m_pfnProgress, m_pProgressContext);
    m_writer.CloseFile(GK_FILE_DATA);
    m_writer.CloseFile(GK_FILE_LOG);
    return 1;
}

int ClGkExport::ExportAssetTypes(const StDATAINFO* info)
{
    m_writer.OpenFile(GK_FILE_SSC, m_strPath.c_str());
    m_writer.WriteAssetTypeHeader(info);
    if (!AttachRule())
        return 0;
    StSHISANKUBUNINFO* types = GkWalkAssetTypes(*m_pRule, m_writer);
    m_writer.CloseFile(GK_FILE_SSC);
    // A type row may have reopened the log for an entry.
    m_writer.CloseFile(GK_FILE_LOG);
    if (types != nullptr)
        CoTaskMemFree(types);
    return 1;
}
