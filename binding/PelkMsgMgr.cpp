#include "binding/PelkMsgMgr.h"

ClMsgMgr* ClMsgMgr::Inst()
{
    static ClMsgMgr instance;
    return &instance;
}

long ClMsgMgr::SetLastError(long code, const char* source, long line)
{
    m_lCode = code;
    m_pszSource = source;
    m_lLine = line;
    return code;
}
