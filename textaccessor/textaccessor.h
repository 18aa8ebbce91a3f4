// ClTextAccessor: one record in memory <-> one line of text, under a format table.
//
// A format table is a static array of StTAFORMAT items; each names a field of a
// byte-packed record (offset, size, type) and its width in the text. One
// accessor writes (and reads back) either delimited lines (comma, tab or space)
// or fixed-width lines. It never looks inside a value beyond copying and
// counting bytes: widths and cuts are byte counts of Shift-JIS text, and the
// only characters it produces itself are ASCII. Every line ends in CR LF and
// values go out untranslated (a bare LF inside a value stays a bare LF).
//
// Results (integers, never exceptions):
//   0      success
//   -1     a line operation found the stream in a failed state (the part of the
//          line already written stays), or no stream is attached; SetMask and
//          GetMask: item number out of range
//   -1003  SetMode: fixed mode with quotes (modes unchanged); line operations and
//          Read: the accessor is unusable (see "Table limits") or its item order
//          names an item outside the table. Nothing is written then.
// Read answers 0 (line stored), 1 (end of stream), 2 (line does not match the
// format), 3 (comment line while skipping is off), or -1 / -1003 as above.
//
// Table limits, checked once at construction; a table that breaks one makes an
// unusable accessor (item count 0, every line operation and Read answers -1003):
//   - at most TA_MAX_ITEMS items, count not negative, a table given when count > 0;
//   - each item's name NUL-terminated within its 36 bytes;
//   - TA_STRING: size at least 1, width 0 to TA_MAX_WIDTH;
//   - TA_SIGNED: size 1, 2, 4 or 8; TA_UNSIGNED: size 1, 2 or 4; width 0 to TA_MAX_WIDTH;
//   - 8-byte TA_SIGNED: decimals 0 to 4; offset not negative.
// Reading limits: a line holds at most 1023 bytes (a longer line is refused
// whole with 2 and the next Read goes on with the following line); a line holds
// at most TA_MAX_READ_ITEMS fields (more are refused with 2, as is a selection
// of more than TA_MAX_READ_ITEMS items).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "binding/PelkTypes.h"

enum _Delimiter {
    DELIM_FIXED = 1,  // fixed-width columns, no separator
    DELIM_COMMA = 2,  // ","
    DELIM_TAB = 3,    // one tab character
    DELIM_SPACE = 4,  // " "
};

enum _Quote {
    QUOTE_NONE = 0,
    QUOTE_SINGLE = 1,  // an apostrophe before and after
    QUOTE_DOUBLE = 2,  // a double quote before and after
};

enum _ItemType {
    TA_STRING = 0,    // NUL-terminated Shift-JIS bytes
    TA_SIGNED = 1,    // two's complement, 1/2/4 bytes; 8 bytes: tagCY (value x 10000)
    TA_UNSIGNED = 2,  // 1/2/4 bytes
};

enum {
    TA_MAX_ITEMS = 200,      // items of one table
    TA_LINE_BUFFER = 1024,   // one line read, NUL included
    TA_MAX_WIDTH = 1023,     // widest item
    TA_MAX_READ_ITEMS = 100, // fields of one line read
    TA_NAME_SIZE = 36,       // StTAFORMAT::name, NUL included
};

enum {
    TA_OK = 0,
    TA_ERR_WRITE = -1,
    TA_ERR_OPEN = -1000,
    TA_ERR_PARAM = -1003,
};

enum {
    TA_READ_OK = 0,
    TA_READ_END = 1,
    TA_READ_MISMATCH = 2,
    TA_READ_COMMENT = 3,
};

#pragma pack(push, 1)
struct StTAFORMAT {
    char name[TA_NAME_SIZE];  // item name, written only by the item-name operations
    int32_t width;            // width in the text, in bytes
    int32_t decimals;         // decimal places of 8-byte TA_SIGNED items, 0 to 4
    int32_t offset;           // byte offset of the field in the record
    int32_t size;             // byte size of the field (strings: NUL included)
    int32_t type;             // _ItemType
    int32_t required;         // 1: an empty field is refused when reading
};

struct StTAORDER {
    int32_t item;  // item number: an index into the table
};
#pragma pack(pop)

static_assert(sizeof(StTAFORMAT) == 60, "StTAFORMAT is 60 bytes");
static_assert(offsetof(StTAFORMAT, name) == 0, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, width) == 36, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, decimals) == 40, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, offset) == 44, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, size) == 48, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, type) == 52, "StTAFORMAT layout");
static_assert(offsetof(StTAFORMAT, required) == 56, "StTAFORMAT layout");
static_assert(sizeof(StTAORDER) == 4, "StTAORDER is one 32-bit item number");

// Where one field's text lies in the line being read.
struct StREADOFFSETINFO {
    const char* text;  // first byte of the text; null for an empty unquoted field
    int32_t length;    // bytes of the text
};

class ClTextAccessor {
public:
    ClTextAccessor(const char* name, const StTAFORMAT* format, long count, void* record);
    virtual ~ClTextAccessor();

    ClTextAccessor(const ClTextAccessor&) = delete;
    ClTextAccessor& operator=(const ClTextAccessor&) = delete;

    // Setup: every outcome is reported to ClMsgMgr (source "textaccessor").
    long SetMode(_Delimiter delimiter, _Quote quote);
    long Attach(std::iostream* stream);  // null detaches

    long SetMask(long item, long mask);
    long GetMask(long item);
    void SetSelectFlag(int flag);
    long SetOrder(StTAORDER* order, long count);
    StTAORDER* GetOrder() { return m_pOrder; }
    long GetOrderCount() { return m_lOrderCount; }
    StTAFORMAT* GetFormat() { return m_pFormat; }
    long GetFormatCount() { return m_lCount; }

    // Writing: one line each, ended by CR LF.
    long Write();
    long Write2(long n);
    long ItemNameWrite();
    long ItemNameWrite2(long n);
    int CommentWrite(const char* text);

    // Reading.
    long Read();
    void SetSpaceFlag(int flag) { m_nSpaceFlag = flag; }
    void SetCommentMark(const char* mark) { m_pszCommentMark = mark; }
    void SetCommentSkip(int flag) { m_nCommentSkip = flag; }
    void GetReadLine(char* buffer);  // copies TA_LINE_BUFFER bytes
    long GetPhysicalLineNo() { return m_lPhysicalLineNo; }
    long GetLogicalLineNo() { return m_lLogicalLineNo; }

    // Item order stored per table and data set by the accounting libraries.
    long LoadOrder(unsigned char* dataId);
    long SaveOrder(unsigned char* dataId);

    long RotateFormat(long start, long target, long count);
    void ResetRotate();

protected:
    long WriteItem(long item);
    long ReadItem(long position, long item, const char* text, long length);

private:
    char* FormatItem(long item, char* out) const;
    char* FormatItemName(long item, long position, char* out) const;
    long WriteLine(long leading, bool names);
    long CheckUsable();
    long CheckNumeric(const char* text, tagCY* value);

    long _RdNextRow(char* buffer, long size);
    long _RdCmntRow(char* buffer);
    long _CheckIsCmntRow(const char* line);
    long _GetItemNum();
    long _GetItemNo(long position);
    long _InitOfs_Fixed(const char* line, StREADOFFSETINFO* ofs);
    long _InitOfs_Comma(const char* line, StREADOFFSETINFO* ofs);
    long _InitOfs_Tab(const char* line, StREADOFFSETINFO* ofs);
    long _InitOfs_Space(const char* line, StREADOFFSETINFO* ofs);
    long _InitOfs_Delimited(const char* line, StREADOFFSETINFO* ofs, char separator);

    bool WriteBytes(const char* bytes, size_t length);
    bool StreamFailed();

    static const size_t kLineOutSize = 4096;

    std::iostream* m_pStream = nullptr;
    _Delimiter m_eDelimiter = DELIM_FIXED;
    _Quote m_eQuote = QUOTE_NONE;
    void* m_pRecord;
    const char* m_pszName;
    const StTAFORMAT* m_pFormatOrg;
    long m_lCount;
    StTAORDER* m_pOrder = nullptr;
    long m_lOrderCount = 0;
    unsigned char m_acMask[TA_MAX_ITEMS] = {};
    int m_nSelectFlag = 1;
    int m_nSpaceFlag = 0;
    StTAFORMAT* m_pFormat = nullptr;
    const char* m_pszCommentMark = nullptr;
    int m_nCommentSkip = 1;
    char m_szLastLine[TA_LINE_BUFFER] = {};
    long m_lPhysicalLineNo = 0;
    long m_lLogicalLineNo = 0;
    bool m_bLineTooLong = false;  // the last line taken had more than 1023 bytes
    bool m_bUsable = false;       // the table passed the checks above
};
