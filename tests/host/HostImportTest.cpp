// How a caller of the outline library is bound to MERVIK11.DLL: by ordinal only,
// at exactly the ordinals of the one list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "HostOrdinalList.h"
#include "PeFile.h"
#include "TestPaths.h"

namespace {

TEST(HostImports, EveryOperationIsImportedByItsOrdinalAndNoneByName) {
    std::set<WORD> listed = ListedHostOrdinals();
    EXPECT_EQ(61u, listed.size());
    EXPECT_EQ(61, HostOperationCount()) << "an ordinal is listed twice";

    for (const BuildFolder& folder : ProductFolders()) {
        SCOPED_TRACE(folder.path);
        PeFile probe;
        ASSERT_TRUE(probe.Load(folder.path + "host_link_probe.exe"));
        EXPECT_EQ(folder.machine, probe.Machine());
        const PeImport* mervik = nullptr;
        for (const PeImport& import : probe.Imports())
            if (import.dll == "MERVIK11.DLL")
                mervik = &import;
        ASSERT_NE(nullptr, mervik);
        EXPECT_TRUE(mervik->names.empty());
        EXPECT_EQ(listed, std::set<WORD>(mervik->ordinals.begin(), mervik->ordinals.end()));
    }
}

} // namespace
