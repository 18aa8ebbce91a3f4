// Test fixture: a ledger store in a fresh temporary folder, built with the
// ledger tool's own operations from the files in tests/data/binding, and
// the connection opened on it.
#pragma once

#include <string>

#include "binding/LedgerStore.h"

// A folder removed again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return m_strPath; }
    std::string File(const std::string& name) const;

private:
    std::string m_strPath;
};

std::string TestDataFile(const std::string& name);  // under GK_TEST_DATA/binding

// Data sets FIX1 (no. 5, the imported assets), FIX2 (no. 7, past results,
// a company name that fills its room) and FIX3 (no. 7 again). User "u1" is
// current and selects number 5.
void BuildFixtureStore(const std::string& path);

// Runs one SQL text on the store file behind the libraries' back.
void RawSql(const std::string& path, const std::string& sql);

// Points the connection at `path` and initiates it; answers Initiate's result.
long Connect(const std::string& path);
void Disconnect();

// Captures the connection's message boxes for the life of the object.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    int Count() const;
    std::string LastText() const;
    std::string LastCaption() const;
};
