// KORVAL11.DLL loaded as the host loads it: LoadLibraryA, entries by ordinal.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "KorvalExports.h"
#include "TestPaths.h"

namespace {

const char kClass[] = "ZCicsDataSource";

class LoadedModule : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryA(KorvalPath().c_str());
        ASSERT_NE(nullptr, m_module) << "error " << GetLastError();
    }
    void TearDown() override {
        if (m_module)
            FreeLibrary(m_module);
    }
    template <class Pfn>
    Pfn Entry(KorvalOrdinal ordinal) {
        FARPROC proc = GetProcAddress(m_module, MAKEINTRESOURCEA(ordinal));
        EXPECT_NE(nullptr, proc) << "ordinal " << ordinal;
        return reinterpret_cast<Pfn>(reinterpret_cast<void*>(proc));
    }
    HMODULE m_module = nullptr;
};

TEST(ModuleLifetime, WindowClassIsRegisteredWhileLoadedAndNotAfter) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    ASSERT_FALSE(GetClassInfoExA(nullptr, kClass, &wc));

    HMODULE module = LoadLibraryA(KorvalPath().c_str());
    ASSERT_NE(nullptr, module);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kClass, &wc))
        << "a global class is found whatever instance asks";
    EXPECT_EQ(UINT(CS_GLOBALCLASS | CS_DBLCLKS), wc.style);
    EXPECT_EQ(0x4008u, wc.style);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(1))),
              reinterpret_cast<void*>(wc.lpfnWndProc));
    EXPECT_EQ(0, wc.cbClsExtra);
    EXPECT_EQ(0, wc.cbWndExtra);
    EXPECT_EQ(nullptr, wc.hIcon);
    EXPECT_EQ(nullptr, wc.hCursor);
    EXPECT_EQ(nullptr, wc.hbrBackground);
    EXPECT_EQ(nullptr, wc.lpszMenuName);

    ASSERT_TRUE(FreeLibrary(module));
    EXPECT_EQ(nullptr, GetModuleHandleA("KORVAL11.DLL"));
    EXPECT_FALSE(GetClassInfoExA(nullptr, kClass, &wc));
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), kClass, &wc));
}

TEST(ModuleLifetime, LoadsAndUnloadsRepeatedly) {
    for (int i = 0; i < 3; ++i) {
        HMODULE module = LoadLibraryA(KorvalPath().c_str());
        ASSERT_NE(nullptr, module);
        WNDCLASSA wc;
        EXPECT_TRUE(GetClassInfoA(nullptr, kClass, &wc));
        ASSERT_TRUE(FreeLibrary(module));
    }
}

TEST(ModuleLifetime, LoadsWhenTheClassCannotBeRegisteredAndStillUnregistersAtUnload) {
    // A global class of the same name, registered first by someone else,
    // makes the module's registration fail.
    WNDCLASSA other = {};
    other.style = CS_GLOBALCLASS;
    other.lpfnWndProc = DefWindowProcA;
    other.hInstance = GetModuleHandleA(nullptr);
    other.lpszClassName = kClass;
    ASSERT_NE(0, RegisterClassA(&other));

    HMODULE module = LoadLibraryA(KorvalPath().c_str());
    ASSERT_NE(nullptr, module) << "a refused registration does not refuse the load";
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), kClass, &wc));
    EXPECT_EQ(reinterpret_cast<void*>(DefWindowProcA), reinterpret_cast<void*>(wc.lpfnWndProc));
    ASSERT_TRUE(FreeLibrary(module));

    // Unloading unregisters the class by name whether or not the module's own
    // registration succeeded; the global class of that name is gone.
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), kClass, &wc));
    UnregisterClassA(kClass, GetModuleHandleA(nullptr));
}

TEST_F(LoadedModule, CommandItemWritesTheTextAndItsZeroAndNothingBeyond) {
    auto commandItem = Entry<PFN_NWinPropGetCommandItem>(ORD_NWinPropGetCommandItem);
    ASSERT_NE(nullptr, commandItem);
    const DWORD others[][3] = {{0, 0, 0}, {1, 2, 3}, {0xFFFFFFFF, 0x80000000, 0xDEADBEEF}};
    for (const auto& o : others) {
        char buffer[32];
        std::memset(buffer, 0x5A, sizeof buffer);
        EXPECT_EQ(12, commandItem(o[0], o[1], buffer, o[2]));
        EXPECT_EQ(0, std::memcmp(buffer, "ZarvoCICS...\0", 13));
        for (size_t i = 13; i < sizeof buffer; ++i)
            ASSERT_EQ(0x5A, static_cast<unsigned char>(buffer[i])) << "byte " << i;
    }
    EXPECT_EQ(0, commandItem(1, 2, nullptr, 3)) << "a null buffer gets nothing";
}

TEST_F(LoadedModule, PaletteQueryAnswersGreenZeroAndTheSameBitmapEveryTime) {
    auto query = Entry<PFN_NWinClassPaletteQueryBitmapItem>(ORD_NWinClassPaletteQueryBitmapItem);
    ASSERT_NE(nullptr, query);
    HBITMAP first = nullptr;
    for (DWORD unused : {0u, 7u, 0xFFFFFFFFu}) {
        COLORREF colour = 0x12345678;
        DWORD value = 0x12345678;
        HBITMAP bitmap = query(unused, &colour, &value);
        EXPECT_EQ(0x0000FF00u, colour);
        EXPECT_EQ(0u, value);
        ASSERT_NE(nullptr, bitmap);
        if (first == nullptr)
            first = bitmap;
        EXPECT_EQ(first, bitmap);
    }
    BITMAP info = {};
    ASSERT_EQ(int(sizeof info), GetObjectA(first, sizeof info, &info));
    EXPECT_EQ(17, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);
    // Null pointers are passed over; the bitmap is still answered.
    EXPECT_EQ(first, query(0, nullptr, nullptr));
}

TEST_F(LoadedModule, HelpAndPaletteCreateAndNotifyAnswerZero) {
    auto create = Entry<PFN_NWinClassPaletteCreate>(ORD_NWinClassPaletteCreate);
    auto notify = Entry<PFN_NWinClassPaletteNotify>(ORD_NWinClassPaletteNotify);
    auto help = Entry<PFN_NWinPropHelp>(ORD_NWinPropHelp);
    ASSERT_TRUE(create && notify && help);
    const DWORD values[] = {0, 1, 0xFFFFFFFF};
    for (DWORD v : values) {
        EXPECT_EQ(0, create(v, v));
        EXPECT_EQ(0, notify(v, v, v, v));
        EXPECT_EQ(0, help(v, v, v, v));
    }
}

TEST_F(LoadedModule, MessageFilterAndIdleReturnAndNothingIsClaimed) {
    auto filter = Entry<PFN_FilterDllMsg>(ORD_FilterDllMsg);
    auto idle = Entry<PFN_ProcessDllIdle>(ORD_ProcessDllIdle);
    ASSERT_TRUE(filter && idle);
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_FALSE(filter(&msg));
    EXPECT_FALSE(filter(nullptr));
    idle(); // the loop ends by itself
    idle();
}

// A window of the component class, as the host creates it with its own instance.
class ComponentWindow : public LoadedModule {
protected:
    void SetUp() override {
        LoadedModule::SetUp();
        m_window = CreateWindowExA(0, kClass, "cics1", WS_POPUP | WS_VISIBLE, 10, 10, 64, 48,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_window);
    }
    void TearDown() override {
        if (m_window)
            DestroyWindow(m_window);
        LoadedModule::TearDown();
    }
    HWND m_window = nullptr;
};

// The icon as DrawIcon draws it, for comparison with the window's pixels.
std::vector<COLORREF> DrawnIcon(HICON icon) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawIcon(memory, 0, 0, icon);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(ComponentWindow, PaintShowsTheIconAtTheTopLeftCorner) {
    HICON icon = LoadIconA(m_module, MAKEINTRESOURCEA(132));
    ASSERT_NE(nullptr, icon);
    std::vector<COLORREF> expected = DrawnIcon(icon);

    InvalidateRect(m_window, nullptr, FALSE);
    UpdateWindow(m_window); // sends WM_PAINT
    EXPECT_FALSE(GetUpdateRect(m_window, nullptr, FALSE)) << "the paint validated the window";

    HDC dc = GetDC(m_window);
    int differing = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (GetPixel(dc, x, y) != expected[y * 32 + x])
                ++differing;
    ReleaseDC(m_window, dc);
    EXPECT_EQ(0, differing) << "pixels of the 32 x 32 corner unlike the icon";
    // The icon has more than one colour, so a blank or solid corner cannot pass.
    EXPECT_NE(expected.front(), expected[16 * 32 + 16]);
}

TEST_F(ComponentWindow, EveryOtherMessageGetsTheDefaultAnswer) {
    auto proc = Entry<PFN_CicsDSWndProc>(ORD_CicsDSWndProc);
    ASSERT_NE(nullptr, proc);
    char buffer[32];
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {WM_NCHITTEST, 0, MAKELPARAM(20, 20)},   // client area: HTCLIENT
        {WM_NCHITTEST, 0, MAKELPARAM(500, 500)}, // outside: HTNOWHERE
        {WM_GETTEXTLENGTH, 0, 0},
        {WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)},
        {WM_GETDLGCODE, 0, 0},
        {WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
        {WM_LBUTTONDBLCLK, 0, 0},
        {WM_ERASEBKGND, 0, 0},
        {WM_USER + 7, 1, 2},
    };
    for (const auto& c : cases) {
        LRESULT expected = DefWindowProcA(m_window, c.message, c.wParam, c.lParam);
        EXPECT_EQ(expected, proc(m_window, c.message, c.wParam, c.lParam))
            << "message 0x" << std::hex << c.message;
    }
    EXPECT_EQ(5, proc(m_window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ("cics1", buffer);
    EXPECT_TRUE(proc(m_window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("cics2")));
    GetWindowTextA(m_window, buffer, sizeof buffer);
    EXPECT_STREQ("cics2", buffer);
}

} // namespace
