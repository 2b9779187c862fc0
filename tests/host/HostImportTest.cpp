// How a caller of the outline library is bound to MERVIK11.DLL: by ordinal only,
// at exactly the ordinals of the one list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "PeFile.h"
#include "TestPaths.h"

namespace {

std::set<WORD> ListedOrdinals() {
    std::set<WORD> ordinals;
#define HOST_OPERATION(ordinal, name, bytes) EXPECT_TRUE(ordinals.insert(ordinal).second) << #name;
#include "HostOrdinals.h"
#undef HOST_OPERATION
    return ordinals;
}

TEST(HostImports, EveryOperationIsImportedByItsOrdinalAndNoneByName) {
    std::set<WORD> listed = ListedOrdinals();
    EXPECT_EQ(61u, listed.size());

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
