// A ledger store in a fresh temporary folder for runs of the application:
// data sets, the current user's selection and the export folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TestDataSet {
    const char* id;
    long no;
    const char* companyUtf8;
    long start;
    long end;
    int kind;
};

class TestStore {
public:
    // Creates the folder and, unless dataSets is null, the store with them;
    // the user "tester" selects data set number selectedNo.
    TestStore(const std::vector<TestDataSet>* dataSets, long selectedNo);
    ~TestStore();

    std::string folder;       // ends in a backslash
    std::string storePath;
    std::string exportFolder;  // folder 0, ends in a backslash
    std::string error;         // set when the store could not be made

    // Names of the files in the export folder.
    std::vector<std::string> ExportFiles() const;
};
