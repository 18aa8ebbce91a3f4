// Helpers of the export tests; see gk_test_support.h.
#include "gk_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include "binding/PelkBCore.h"
#include "export/GkAssetLoop.h"

namespace fs = std::filesystem;

std::string Sjis(const std::string& utf8)
{
#ifdef _WIN32
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &w[0], wide);
    int n = WideCharToMultiByte(932, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, w.data(), wide, &out[0], n, nullptr, nullptr);
    return out;
#else
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* o = &out[0];
    size_t outLeft = out.size();
    size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        abort();
    out.resize(out.size() - outLeft);
    return out;
#endif
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string Expected(const std::string& name)
{
    const char* root = getenv("GK_TEST_DATA");
    std::string text = ReadBytes(std::string(root ? root : "tests/data") + "/export/" + name);
    // \r is a CR; \xHH one raw byte (for an entry cut inside a character).
    std::string out, segment;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'r') {
            segment += '\r';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out += Sjis(segment);
            segment.clear();
            out += static_cast<char>(strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            segment += text[i];
        }
    }
    return out + Sjis(segment);
}

ScratchDir::ScratchDir()
{
    static int serial = 0;
    fs::path base = fs::temp_directory_path();
    for (;;) {
        char name[64];
        snprintf(name, sizeof name, "gk-export-%d-%d-%d", static_cast<int>(time(nullptr) % 100000), ++serial, rand());
        fs::path p = base / name;
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            m_path = p.string();
            return;
        }
    }
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string ScratchDir::File(const std::string& name) const
{
#ifdef _WIN32
    return m_path + "\\" + name;
#else
    return m_path + "/" + name;
#endif
}

FixtureAsset NewAsset(const std::string& code, int method)
{
    FixtureAsset a;
    memset(&a.asset, 0, sizeof a.asset);
    memset(&a.year, 0, sizeof a.year);
    SetText(a.asset.assetCode, code);
    a.asset.deprMethod = static_cast<int16_t>(method);
    return a;
}

StIKKATSUINFO NewItem(const std::string& name, int64_t costYen, int32_t quantityHundredths)
{
    StIKKATSUINFO item;
    memset(&item, 0, sizeof item);
    SetText(item.subName, name);
    item.subAcquisitionCost = Yen(costYen);
    item.subQuantity = quantityHundredths;
    return item;
}

StSHISANKUBUNINFO NewType(int32_t code, const std::string& name, int16_t method, int32_t residual)
{
    StSHISANKUBUNINFO t;
    memset(&t, 0, sizeof t);
    t.lTypeCode = code;
    SetText(t.szTypeName, name);
    t.nMethodCode = method;
    t.lResidualRatio = residual;
    return t;
}

StDATAINFO NewDataInfo(const std::string& company, unsigned char clientKind)
{
    StDATAINFO info;
    memset(&info, 0, sizeof info);
    SetText(info.szDataID, "D0001");
    SetText(info.szCompanyName, company);
    info.lPeriodStart = 20240401;
    info.lPeriodEnd = 20250331;
    info.cClientKind = clientKind;
    return info;
}

long FixtureRule::GetCount(long* n)
{
    *n = static_cast<long>(assets.size());
    return 0;
}

long FixtureRule::Move(long i, StKOTEISHISANINFO* a, StKOTEINENINFO* y, StKOTEITSUKIINFO*)
{
    const FixtureAsset& f = assets.at(static_cast<size_t>(i));
    *a = f.asset;
    *y = f.year;
    // The key names the asset for the sub-item walk.
    int32_t index = static_cast<int32_t>(i);
    memcpy(a->ikkatsuKey, &index, sizeof index);
    return 0;
}

long FixtureRule::MoveReadyIkkatsu(unsigned char* key)
{
    int32_t index;
    memcpy(&index, key, sizeof index);
    m_current = index;
    return 0;
}

long FixtureRule::GetIkkatsuCount(long* m)
{
    *m = static_cast<long>(assets.at(static_cast<size_t>(m_current)).items.size());
    return 0;
}

long FixtureRule::MoveIkkatsu(long j, StIKKATSUINFO* item)
{
    *item = assets.at(static_cast<size_t>(m_current)).items.at(static_cast<size_t>(j));
    return 0;
}

long FixtureRule::LoadShisanKubunInfo(StSHISANKUBUNINFO** array, long* count)
{
    *array = nullptr;
    *count = 0;
    if (types.empty())
        return 0;
    *array = static_cast<StSHISANKUBUNINFO*>(CoTaskMemAlloc(types.size() * sizeof(StSHISANKUBUNINFO)));
    memcpy(*array, types.data(), types.size() * sizeof(StSHISANKUBUNINFO));
    *count = static_cast<long>(types.size());
    return 0;
}

void RunSteps(ClGkWriter& writer, FixtureRule& rule, const StDATAINFO& info, const std::string& path)
{
    writer.OpenFile(GK_FILE_LOG, path.c_str());
    writer.OpenFile(GK_FILE_DATA, path.c_str());
    writer.WriteDataFileHeader(&info);
    GkWalkAssets(rule, writer);
    writer.CloseFile(GK_FILE_DATA);
    writer.CloseFile(GK_FILE_LOG);
    writer.OpenFile(GK_FILE_SSC, path.c_str());
    writer.WriteAssetTypeHeader(&info);
    StSHISANKUBUNINFO* types = GkWalkAssetTypes(rule, writer);
    writer.CloseFile(GK_FILE_SSC);
    writer.CloseFile(GK_FILE_LOG);
    if (types)
        CoTaskMemFree(types);
}

ConvertedRow ConvertOne(const FixtureAsset& a, int subItem)
{
    ScratchDir dir;
    std::string path = dir.File("row.csv");
    ConvertedRow result;
    {
        ClGkWriter writer;
        writer.OpenFile(GK_FILE_LOG, path.c_str());
        writer.OpenFile(GK_FILE_DATA, path.c_str());
        StKOTEITSUKIINFO months = {};
        StIKKATSUINFO item = {};
        if (a.asset.deprMethod == 4) {
            item = a.items.at(static_cast<size_t>(subItem));
            memset(item.subNumber, 0, sizeof item.subNumber);
            snprintf(item.subNumber, sizeof item.subNumber, "%d", subItem + 1);
        }
        writer.WriteAssetRow(&a.asset, &a.year, &months, &item);
        writer.CloseFile(GK_FILE_DATA);
        writer.CloseFile(GK_FILE_LOG);
    }
    std::string data = ReadBytes(path);
    result.log = ReadBytes(dir.File("PelkAlderGk13SysErr.txt"));
    if (data.empty())
        return result;
    result.written = true;
    if (data.size() < 2 || data.compare(data.size() - 2, 2, "\r\n") != 0)
        abort();
    data.resize(data.size() - 2);
    size_t start = 0;
    for (;;) {
        size_t comma = data.find(',', start);
        result.fields.push_back(data.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return result;
}
