// Helpers of the export tests: Shift-JIS conversion of expected texts, files in
// a scratch folder, a rule object serving records held in memory, and a run of
// the job's three steps over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "binding/PelkRecords.h"
#include "export/GkWriter.h"

// UTF-8 text of a source literal or an expected file as Shift-JIS bytes.
std::string Sjis(const std::string& utf8);

// The whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// An expected file of tests/data/export: UTF-8 text in which the two
// characters \r stand for a CR; every line of the file ends in LF. Answered as
// the Shift-JIS bytes the program must write.
std::string Expected(const std::string& name);

// A fresh empty folder for one test, removed again by its destructor.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const;  // the path of a file in it

private:
    std::string m_path;
};

// Copies text (a literal of this source: already Shift-JIS bytes) into a
// record field, NUL-terminated when it fits.
template <size_t N>
void SetText(char (&field)[N], const std::string& bytes)
{
    size_t n = bytes.size() < N ? bytes.size() : N;
    for (size_t i = 0; i < N; ++i)
        field[i] = i < n ? bytes[i] : '\0';
}

inline tagCY Yen(int64_t yen, int64_t tenThousandths = 0)
{
    tagCY v;
    v.int64 = yen * 10000 + tenThousandths;
    return v;
}

struct FixtureAsset {
    StKOTEISHISANINFO asset;
    StKOTEINENINFO year;
    std::vector<StIKKATSUINFO> items;  // lump-sum sub-items
};

FixtureAsset NewAsset(const std::string& code, int method);
StIKKATSUINFO NewItem(const std::string& name, int64_t costYen, int32_t quantityHundredths);
StSHISANKUBUNINFO NewType(int32_t code, const std::string& name, int16_t method, int32_t residual);
StDATAINFO NewDataInfo(const std::string& company, unsigned char clientKind);

// Serves assets and asset types from memory, with the operations the job's
// walks call on the library's rule object.
class FixtureRule {
public:
    std::vector<FixtureAsset> assets;
    std::vector<StSHISANKUBUNINFO> types;

    long MoveReady(StFINDINFO*, long, long) { return 0; }
    long GetCount(long* n);
    long Move(long i, StKOTEISHISANINFO* a, StKOTEINENINFO* y, StKOTEITSUKIINFO*);
    long MoveReadyIkkatsu(unsigned char* key);
    long GetIkkatsuCount(long* m);
    long MoveIkkatsu(long j, StIKKATSUINFO* item);
    long MoveFinishIkkatsu() { ++finishedIkkatsu; return 0; }
    long LoadShisanKubunInfo(StSHISANKUBUNINFO** array, long* count);

    int finishedIkkatsu = 0;

private:
    long m_current = -1;
};

// The job's three steps over the fixture, writing to path: the log and the
// data file opened, header, asset rows, both closed; then the asset-type file.
void RunSteps(ClGkWriter& writer, FixtureRule& rule, const StDATAINFO& info, const std::string& path);

// One row converted alone: its fields (split at the commas) and the log.
struct ConvertedRow {
    bool written = false;
    std::vector<std::string> fields;  // Shift-JIS bytes
    std::string log;                  // Shift-JIS bytes
    std::string Field(int column) const { return fields.at(static_cast<size_t>(column)); }
};
ConvertedRow ConvertOne(const FixtureAsset& a, int subItem = 0);
