// MERVIK11.DLL's export table, in both widths: every outline operation at its
// ordinal of the one list and without a name, and the named API by name.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "HostOrdinalList.h"
#include "PeFile.h"
#include "TestPaths.h"

namespace {

TEST(MervikExportTable, OperationsByOrdinalOnlyAndTheApiByName) {
    std::set<WORD> listed = ListedHostOrdinals();
    for (const BuildFolder& folder : ProductFolders()) {
        SCOPED_TRACE(folder.path);
        PeFile dll;
        ASSERT_TRUE(dll.Load(folder.path + "MERVIK11.DLL"));
        EXPECT_EQ(folder.machine, dll.Machine());
        EXPECT_EQ("MERVIK11.DLL", dll.ExportedModuleName());
        std::map<DWORD, std::string> exports = dll.ExportsByOrdinal();
        std::set<std::string> names;
        for (const auto& entry : exports)
            names.insert(entry.second);
        for (DWORD ordinal : listed) {
            ASSERT_EQ(1u, exports.count(ordinal)) << ordinal;
            EXPECT_EQ("", exports[ordinal]) << ordinal;
        }
        for (const char* name :
             {"MervikOpenOutline", "MervikLoadOutlineFile", "MervikSaveOutlineFile",
              "MervikPrintOutline", "MervikLiveStringCount", "MervikOpenDesignWindows"})
            EXPECT_EQ(1u, names.count(name)) << name;
        for (const std::string& name : names)
            EXPECT_EQ(std::string::npos, name.find("Host")) << name;
    }
}

} // namespace
