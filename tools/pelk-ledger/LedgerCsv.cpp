// CSV reading for the import files.
#include "LedgerCsv.h"

#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

bool ParseCsvText(const std::string& text, const std::string& name, std::vector<CsvRecord>* records,
                  std::string* error)
{
    records->clear();
    size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    long line = 1;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool quotedField = false;
        for (;;) {
            if (i < text.size() && text[i] == '"' && field.empty() && !quotedField) {
                quotedField = true;
                long startLine = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        *error = name + ":" + std::to_string(startLine) + ": a quoted field is not closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') ++line;
                    field += text[i++];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                    *error = name + ":" + std::to_string(line) + ": text after a closing quote";
                    return false;
                }
                continue;
            }
            if (i >= text.size() || text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                record.fields.push_back(field);
                if (i < text.size()) i += text[i] == '\r' ? 2 : 1;
                ++line;
                break;
            }
            if (text[i] == ',') {
                record.fields.push_back(field);
                field.clear();
                quotedField = false;
                ++i;
                continue;
            }
            if (quotedField) {
                *error = name + ":" + std::to_string(line) + ": text after a closing quote";
                return false;
            }
            field += text[i++];
        }
        // A blank line carries no record.
        if (!(record.fields.size() == 1 && record.fields[0].empty() && !quotedField)) {
            records->push_back(record);
        }
    }
    return true;
}

bool ReadCsvFile(const std::string& path, std::vector<CsvRecord>* records, std::string* error)
{
#ifdef _WIN32
    int n = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], n);
    std::ifstream in(wide.c_str(), std::ios::binary);
#else
    std::ifstream in(path, std::ios::binary);
#endif
    if (!in) {
        *error = path + ": cannot be read";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        *error = path + ": cannot be read";
        return false;
    }
    return ParseCsvText(content.str(), path, records, error);
}
