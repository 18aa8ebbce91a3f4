// ClGkWriter: construction, the files of the run and what became of them.
#include "export/GkWriter.h"

#include <cstring>

#include "export/GkEdition.h"

ClGkWriter::ClGkWriter() : m_pszLogName(GkDefaultEdition()->pszLogName)
{
    memset(m_abMask, 0, sizeof m_abMask);
    memset(m_abAccMask, 0, sizeof m_abAccMask);
}

ClGkWriter::~ClGkWriter() = default;

void ClGkWriter::SetLogName(const char* name)
{
    m_pszLogName = name;
}

ClTextFile& ClGkWriter::FileOf(short kind)
{
    switch (kind) {
    case GK_FILE_SSC:
        return m_fileSsc;
    case GK_FILE_LOG:
        return m_fileLog;
    default:
        return m_fileData;
    }
}

int ClGkWriter::OpenFile(short kind, const char* path)
{
    if (kind < GK_FILE_DATA || kind > GK_FILE_LOG || path == nullptr)
        return 0;
    StGKFILESTATE& state = m_aState[kind];
    state = StGKFILESTATE();
    char buffer[GK_PATH_SIZE];
    if (!GkBuildPath(kind, path, m_pszLogName, buffer)) {
        // Named in full for the report; never cut into another name.
        std::string wanted(path);
        if (kind != GK_FILE_DATA)
            wanted = wanted.substr(0, GkFileNameStart(path)) + (kind == GK_FILE_SSC ? GK_SSC_FILE_NAME : m_pszLogName);
        state.strPath = wanted;
        state.nFailure = GK_FAILURE_PATH;
        return 0;
    }
    state.strPath = buffer;
    if (FileOf(kind).Open(buffer, TF_WRITE | TF_TRUNCATE) != 0) {
        state.nFailure = GK_FAILURE_OPEN;
        return 0;
    }
    state.bOpened = true;
    return 1;
}

int ClGkWriter::CloseFile(short kind)
{
    if (kind < GK_FILE_DATA || kind > GK_FILE_LOG)
        return 1;
    ClTextFile& file = FileOf(kind);
    if (file.IsOpen() && file.Close() != 0 && m_aState[kind].nFailure == GK_FAILURE_NONE)
        m_aState[kind].nFailure = GK_FAILURE_CLOSE;
    return 1;
}

void ClGkWriter::NoteWrite(short kind, long result)
{
    StGKFILESTATE& state = m_aState[kind];
    if (result != 0 && state.bOpened && state.nFailure == GK_FAILURE_NONE)
        state.nFailure = GK_FAILURE_WRITE;
}

// The log is closed with the data file, but the asset-type rows may still have
// an entry to add: the log is then opened again, appending.
bool ClGkWriter::EnsureLogOpen()
{
    if (m_fileLog.IsOpen())
        return true;
    StGKFILESTATE& state = m_aState[GK_FILE_LOG];
    if (!state.bOpened || state.nFailure != GK_FAILURE_NONE)
        return false;
    if (m_fileLog.Open(state.strPath.c_str(), TF_WRITE | TF_APPEND) != 0) {
        state.nFailure = GK_FAILURE_OPEN;
        return false;
    }
    return true;
}

bool ClGkWriter::HasFailure() const
{
    for (const StGKFILESTATE& state : m_aState) {
        if (state.nFailure != GK_FAILURE_NONE)
            return true;
    }
    return false;
}
