// KORVAL11.DLL read as a file: its export table, what it imports, and its resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "DialogTemplate.h"
#include "PeFile.h"
#include "TestPaths.h"

namespace {

const std::map<DWORD, std::string> kExpectedExports = {
    {1, "_CicsDSWndProc"},
    {2, "_FilterDllMsg@4"},
    {3, "_ProcessDllIdle@0"},
    {4, "_NWinClassPaletteCreate@8"},
    {5, "_NWinClassPaletteNotify@16"},
    {6, "_NWinPropHelp@16"},
    {20, "NWinPropEditorItem"},
    {21, "NWinPropGetCommandItem"},
    {22, "NWinPropNotifyItem"},
    {25, "NWinClassPaletteQueryBitmapItem"},
    {30, "DSEnumItems"},
    {31, "DSEnumCommands"},
    {33, "DSFormatCommander"},
    {34, "DSFormatVisualizer"},
};

const WORD kLanguage = 2057;

#ifndef __i386__
TEST(ModuleFile, The32BitProductIsAmongTheFilesChecked) {
    ASSERT_EQ(2u, ProductFolders().size()) << "configure KORVAL_WIN32_BINARY_DIR (tools/run does)";
}
#endif

TEST(ModuleFile, ExportsExactlyTheFourteenEntriesAtTheirOrdinals) {
    for (const BuildFolder& folder : ProductFolders()) {
        SCOPED_TRACE(folder.path);
        PeFile pe;
        ASSERT_TRUE(pe.Load(folder.path + "KORVAL11.DLL"));
        EXPECT_EQ(folder.machine, pe.Machine());
        EXPECT_EQ("KORVAL11.DLL", pe.ExportedModuleName());
        EXPECT_EQ(kExpectedExports, pe.ExportsByOrdinal());
    }
}

TEST(ModuleFile, ImportsOnlySystemLibrariesAndTheOutlineLibrary) {
  for (const BuildFolder& folder : ProductFolders()) {
    SCOPED_TRACE(folder.path);
    PeFile pe;
    ASSERT_TRUE(pe.Load(folder.path + "KORVAL11.DLL"));
    const char* allowed[] = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL",
                             "ADVAPI32.DLL", "MERVIK11.DLL"};
    ASSERT_FALSE(pe.Imports().empty());
    for (const PeImport& import : pe.Imports()) {
        std::string dll = import.dll;
        std::transform(dll.begin(), dll.end(), dll.begin(), ::toupper);
        EXPECT_TRUE(std::find(std::begin(allowed), std::end(allowed), dll) != std::end(allowed))
            << "unexpected import " << import.dll;
        if (dll == "MERVIK11.DLL") {
            EXPECT_TRUE(import.names.empty()) << "MERVIK11 is bound by ordinal only";
        }
    }
  }
}

// The module's resources, read back from each product file as data (nothing
// of it runs, so the 32-bit file is read as well from a 64-bit test).
class ModuleResources : public ::testing::TestWithParam<BuildFolder> {
protected:
    void SetUp() override {
        std::string path = GetParam().path + "KORVAL11.DLL";
        m_module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_module) << path;
    }
    void TearDown() override {
        if (m_module)
            FreeLibrary(m_module);
    }
    // The resource's bytes in language block 2057; empty when it is absent.
    std::string Resource(LPCSTR type, WORD id) {
        HRSRC found = FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), kLanguage);
        if (found == nullptr)
            return {};
        auto data = static_cast<const char*>(LockResource(LoadResource(m_module, found)));
        return std::string(data, SizeofResource(m_module, found));
    }
    HMODULE m_module = nullptr;
};

struct ExpectedControl {
    int id;
    const char* className; // the predefined classes by their atoms
    const char* text;
    short x, y, cx, cy;
    DWORD style;
};

const char kButton[] = "#128", kEdit[] = "#129", kStatic[] = "#130", kComboBox[] = "#133";
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kEditStyle = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD kCheckStyle = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD kDialogStyle = 0x90C800C0;

void ExpectTemplate(const std::string& bytes, const char* caption, short cx, short cy,
                    const std::vector<ExpectedControl>& expected) {
    DialogTemplate dialog;
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), dialog));
    EXPECT_EQ(kDialogStyle, dialog.style);
    EXPECT_EQ(caption, dialog.caption);
    EXPECT_EQ(cx, dialog.cx);
    EXPECT_EQ(cy, dialog.cy);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ("MS Sans Serif", dialog.faceName);
    ASSERT_EQ(expected.size(), dialog.controls.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& e = expected[i];
        const DialogControl& c = dialog.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(e.id) + ")");
        EXPECT_EQ(e.id, c.id);
        EXPECT_EQ(e.className, c.className);
        EXPECT_EQ(e.text, c.text);
        EXPECT_EQ(e.x, c.x);
        EXPECT_EQ(e.y, c.y);
        EXPECT_EQ(e.cx, c.cx);
        EXPECT_EQ(e.cy, c.cy);
        EXPECT_EQ(e.style, c.style) << std::hex << "style 0x" << c.style;
    }
}

TEST_P(ModuleResources, ProgramServiceDialogTemplate) {
    ExpectTemplate(Resource(RT_DIALOG, 138), "CICS Program Service Properties", 223, 141,
                   {
                       {1001, kEdit, "", 15, 10, 98, 12, kEditStyle},
                       {1, kButton, "OK", 155, 98, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
                       {2, kButton, "Cancel", 155, 121, 50, 14, kChild | WS_TABSTOP},
                       {-1, kStatic, "&Program Name", 118, 11, 53, 8, kChild},
                       {1002, kEdit, "", 15, 33, 98, 12, kEditStyle},
                       {1003, kEdit, "", 15, 56, 98, 12, kEditStyle},
                       {-1, kStatic, "&System Name", 118, 35, 53, 8, kChild},
                       {-1, kStatic, "&Transaction ID", 118, 60, 53, 8, kChild},
                       {1000, kButton, "Enable &Login Dialog?", 15, 120, 98, 12, kCheckStyle},
                       {1007, kComboBox, "", 15, 79, 98, 66,
                        kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT},
                       {-1, kStatic, "&Join Transaction", 118, 83, 85, 8, kChild},
                       {1004, kButton, "&Asynchronous Service?", 15, 101, 98, 12, kCheckStyle},
                   });
}

TEST_P(ModuleResources, TransactionServiceDialogTemplate) {
    ExpectTemplate(
        Resource(RT_DIALOG, 145), "CICS Transaction Service Properties", 242, 57,
        {
            {1004, kButton, "&Asynchronous Service?", 18, 12, 92, 12, kCheckStyle},
            {1000, kButton, "&Automatic Transaction Start?", 18, 30, 110, 12, kCheckStyle},
            {1, kButton, "OK", 149, 11, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {2, kButton, "Cancel", 149, 33, 50, 14, kChild | WS_TABSTOP},
        });
}

TEST_P(ModuleResources, IconIsOneImageOf32By32In16Colours) {
    std::string group = Resource(RT_GROUP_ICON, 132);
    ASSERT_GE(group.size(), 6u + 14u);
    WORD count;
    memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(1, count);
    // GRPICONDIRENTRY: width, height, colours, reserved, planes, bit count, bytes, id
    const BYTE* entry = reinterpret_cast<const BYTE*>(group.data() + 6);
    EXPECT_EQ(32, entry[0]);
    EXPECT_EQ(32, entry[1]);
    EXPECT_EQ(16, entry[2]);
    WORD bitCount, imageId;
    memcpy(&bitCount, entry + 6, 2);
    memcpy(&imageId, entry + 12, 2);
    EXPECT_EQ(4, bitCount);

    std::string image = Resource(RT_ICON, imageId);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(32, header.biWidth);
    EXPECT_EQ(64, header.biHeight); // colour image and mask
    EXPECT_EQ(4, header.biBitCount);
}

TEST_P(ModuleResources, PaletteBitmapIs17By16AtFourBitsPerPixel) {
    std::string bitmap = Resource(RT_BITMAP, 131);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, bitmap.data(), sizeof header);
    EXPECT_EQ(17, header.biWidth);
    EXPECT_EQ(16, header.biHeight);
    EXPECT_EQ(4, header.biBitCount);
}

TEST_P(ModuleResources, OwnResourcesAreOnlyInLanguageBlock2057) {
    struct {
        LPCSTR type;
        WORD id;
    } resources[] = {{RT_DIALOG, 138}, {RT_DIALOG, 145}, {RT_GROUP_ICON, 132}, {RT_BITMAP, 131}};
    for (const auto& r : resources) {
        EXPECT_NE(nullptr, FindResourceExA(m_module, r.type, MAKEINTRESOURCEA(r.id), kLanguage));
        EXPECT_EQ(nullptr, FindResourceExA(m_module, r.type, MAKEINTRESOURCEA(r.id),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
    }
}

INSTANTIATE_TEST_SUITE_P(ProductFiles, ModuleResources, ::testing::ValuesIn(ProductFolders()),
                         [](const ::testing::TestParamInfo<BuildFolder>& info) {
                             return std::string(info.param.machine == IMAGE_FILE_MACHINE_I386
                                                    ? "Win32"
                                                    : "Win64");
                         });

TEST_P(ModuleResources, DescriptionIsTheModuleDescription) {
    std::string path = GetParam().path + "KORVAL11.DLL";
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_NE(0u, size);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
    char* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\080904E4\\FileDescription",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ("Cics Datasource ZarvoObject DLL", text);
}

} // namespace
