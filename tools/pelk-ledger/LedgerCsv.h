// Reading the import files: UTF-8 comma-separated text with a header row.
//
// Fields may be quoted with double quotes ("" inside quotes is one quote,
// and a quoted field may span lines); lines end in LF or CR LF; a UTF-8
// byte-order mark at the start is skipped. Every record remembers the line
// it starts on, so that errors can name the file, line and column.
#pragma once

#include <string>
#include <vector>

struct CsvRecord {
    long line = 0;                   // 1-based line where the record starts
    std::vector<std::string> fields;
};

// Reads the whole file. False with a message naming the file (and line)
// when it cannot be read or a quote is not closed.
bool ReadCsvFile(const std::string& path, std::vector<CsvRecord>* records, std::string* error);
bool ParseCsvText(const std::string& text, const std::string& name, std::vector<CsvRecord>* records,
                  std::string* error);
