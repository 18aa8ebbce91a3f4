// ClMsgMgr: the message manager of the accounting libraries.
//
// Keeps the last error reported by a module: its code, the name of the
// reporting source file (null for none) and the source line. A report with
// code 0 clears it. SetLastError returns the code it was given, so callers can
// write `return ClMsgMgr::Inst()->SetLastError(code, src, line);`.
#pragma once

class ClMsgMgr {
public:
    static ClMsgMgr* Inst();

    long SetLastError(long code, const char* source, long line);

    long GetLastErrorCode() const { return m_lCode; }
    const char* GetLastErrorSource() const { return m_pszSource; }
    long GetLastErrorLine() const { return m_lLine; }

private:
    ClMsgMgr() = default;
    ClMsgMgr(const ClMsgMgr&) = delete;
    ClMsgMgr& operator=(const ClMsgMgr&) = delete;

    long m_lCode = 0;
    const char* m_pszSource = nullptr;  // a static string of the reporting module
    long m_lLine = 0;
};
