// Stored item orders: LoadOrder and SaveOrder keep the accessor's item order
// per table and data set through the accounting libraries (ClSaveTextIO).
//
// The stored record keeps one signed byte per entry, so only item numbers 0
// to 127 survive storing. SaveOrder refuses an order that holds any other
// number instead of storing a cut value, and LoadOrder refuses a stored
// record whose count or entries cannot be a valid order, so the accessor
// never indexes outside its table because of a stored order.
#include <cstring>
#include <memory>
#include <new>

#include "binding/PelkCmn.h"
#include "textaccessor/textaccessor.h"

namespace {

// Connects a stored-settings object to the data set and names the table.
// Null when the object cannot be made or the names do not fit.
std::unique_ptr<ClSaveTextIO> OpenSaved(const char* tableName, unsigned char* dataId, StTEXTIOSAVEINFO* info)
{
    std::memset(info, 0, sizeof *info);
    if (!tableName || !dataId || std::strlen(tableName) >= sizeof info->szTableName) return nullptr;
    std::unique_ptr<ClSaveTextIO> saved(new (std::nothrow) ClSaveTextIO());
    if (!saved) return nullptr;
    saved->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    saved->SetCurDataID(dataId);
    std::strcpy(info->szTableName, tableName);
    return saved;
}

}  // namespace

long ClTextAccessor::LoadOrder(unsigned char* dataId)
{
    StTEXTIOSAVEINFO info;
    std::unique_ptr<ClSaveTextIO> saved = OpenSaved(m_pszName, dataId, &info);
    if (!saved || saved->GetData(&info) != 0) return -1;
    long count = info.nEntryCount;
    if (count < 0 || count > TEXTIO_MAX_ENTRIES || count > TA_MAX_ITEMS || (count > 0 && !m_pOrder)) return -1;
    for (long i = 0; i < count; ++i) {
        if (info.cEntries[i] < 0) return -1;
    }
    for (long i = 0; i < count; ++i) m_pOrder[i].item = info.cEntries[i];
    m_lOrderCount = count;
    return 0;
}

long ClTextAccessor::SaveOrder(unsigned char* dataId)
{
    StTEXTIOSAVEINFO info;
    std::unique_ptr<ClSaveTextIO> saved = OpenSaved(m_pszName, dataId, &info);
    if (!saved) return -1;
    long count = m_lOrderCount;
    if (count < 0 || count > TEXTIO_MAX_ENTRIES || (count > 0 && !m_pOrder)) return -1;
    for (long i = 0; i < count; ++i) {
        if (m_pOrder[i].item < 0 || m_pOrder[i].item > 127) return -1;
        info.cEntries[i] = (signed char)m_pOrder[i].item;
    }
    info.nEntryCount = (int16_t)count;
    return saved->SetData(&info) != 0 ? -1 : 0;
}
