// ClGkWriter: writes the three files of one export run.
//
// It owns the four text accessors (with their records), the asset data file,
// the asset-type file, the error log, and the registry of the row codes
// written so far. Its operations write the header block and column-name line
// (GkDataHeader.cpp), the data rows (GkRowConvert.cpp), the error-log entries
// and checks (GkErrorLog.cpp) and the asset-type file (GkAssetTypes.cpp).
//
// Guarantees:
//   - every line goes out through the accessors, ends in CR LF, and no value
//     reaches beyond its record field;
//   - a text value of a row never carries a comma, CR or LF (which would shift
//     the columns or split the row): they are replaced and logged;
//   - every file that cannot be opened (also because its path would exceed
//     GK_PATH_MAX bytes), written or closed is recorded with its path
//     (GetFileState), so that a front end never reports such a run as a
//     success. The operations themselves still answer as their callers expect.
#pragma once

#include <cstdint>
#include <string>

#include "binding/PelkRecords.h"
#include "export/GkAccessors.h"
#include "export/GkAssetCodes.h"
#include "export/GkMessages.h"
#include "export/GkPaths.h"
#include "textaccessor/TextFile.h"

enum GkFileFailure {
    GK_FAILURE_NONE = 0,
    GK_FAILURE_PATH = 1,   // the path would be longer than GK_PATH_MAX bytes
    GK_FAILURE_OPEN = 2,   // the file could not be created or emptied
    GK_FAILURE_WRITE = 3,  // a line could not be written
    GK_FAILURE_CLOSE = 4,  // the file could not be closed (its last bytes may be lost)
};

// What became of one file of the run. The first failure of the file is kept.
struct StGKFILESTATE {
    std::string strPath;  // the path of the file (or, for GK_FAILURE_PATH, the one it would need)
    int nFailure = GK_FAILURE_NONE;
    bool bOpened = false;
};

// Counts and control totals of the rows written, for a closing summary.
struct StGKSUMMARY {
    long lAssetRows = 0;    // rows of regular assets
    long lSubItemRows = 0;  // rows of lump-sum sub-items
    long alEntries[GK_LOG_KIND_COUNT] = {};  // log entries by GkLogEntry
    __int128 acquisitionCost = 0;   // tagCY sum over the rows written (column 21's source)
    __int128 closingBookValue = 0;  // tagCY sum over the regular rows (column 72's source)
};

class ClGkWriter {
public:
    ClGkWriter();
    virtual ~ClGkWriter();

    ClGkWriter(const ClGkWriter&) = delete;
    ClGkWriter& operator=(const ClGkWriter&) = delete;

    // The edition's error-log name (default: the built edition's).
    void SetLogName(const char* name);
    // The date written into the asset-type file, yyyymmdd; 0 (the default)
    // takes the local date at the time of writing.
    void SetExportDate(int32_t date) { m_lExportDate = date; }

    int OpenFile(short kind, const char* path);  // 1 opened, 0 not
    int CloseFile(short kind);                   // 1

    int WriteDataFileHeader(const StDATAINFO* info);
    long WriteAssetRow(const StKOTEISHISANINFO* asset, const StKOTEINENINFO* year,
                       const StKOTEITSUKIINFO* months, const StIKKATSUINFO* item);
    int WriteErrorLog(const char* message);
    static bool IsHalfWidthAlnum(const char* text);
    int RegisterAssetCode(const char* code);
    // Sizes the code registry for about `codes` codes before the first.
    void ReserveAssetCodes(long codes);
    int WriteAssetTypeHeader(const StDATAINFO* info);
    int WriteAssetTypeRow(const StSHISANKUBUNINFO* record);

    const StGKFILESTATE& GetFileState(short kind) const { return m_aState[kind]; }
    bool HasFailure() const;
    const StGKSUMMARY& GetSummary() const { return m_summary; }

private:
    ClTextFile& FileOf(short kind);
    void NoteWrite(short kind, long result);
    void LogEntry(int entry, ...);
    bool EnsureLogOpen();

    // Row conversion (GkRowConvert.cpp).
    void ConvertRegular(const StKOTEISHISANINFO& asset, const StKOTEINENINFO& year);
    bool ConvertSubItem(const StKOTEISHISANINFO& asset, const StIKKATSUINFO& item);
    size_t CleanText(const char* text, size_t length, char* out, const char* field);
    void PutBytes(int column, const char* text, size_t length);
    void PutText(int column, const char* text);
    void PutCut(int column, const char* text, size_t length);
    void PutValueText(int column, const char* text, size_t length, const char* field);
    void PutName(const char* field, size_t room, const char* label, int longEntry);
    void PutInt(int column, int64_t value);
    void PutCy(int column, int64_t value);
    void PutPercent(int column, int64_t percent);
    void PutAmount(int column, int64_t value);
    void PutQuantity(const char* text, size_t length);
    void PutPeriodDepreciation(const StKOTEINENINFO& year);

    // Members in the order of construction.
    ClGInfoAccessor m_accInfo;
    ClGHeadAccessor m_accHead;
    ClGHeaderAccessor m_accHeader;
    ClGSscAccessor m_accSsc;
    ClTextFile m_fileData;
    ClTextFile m_fileSsc;
    ClTextFile m_fileLog;
    ClGkAssetCodes m_listCodes;

    const char* m_pszLogName;
    int32_t m_lExportDate = 0;
    StGKFILESTATE m_aState[3];
    bool m_abMask[G_INFO_COUNT];    // the masks of the row being converted
    bool m_abAccMask[G_INFO_COUNT]; // the masks m_accInfo holds, to set only those that change
    const char* m_pszRowLabel = "";  // how the row's entries name it: label and code
    const char* m_pszRowCode = "";
    StGKSUMMARY m_summary;
};
