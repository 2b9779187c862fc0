// designer.exe: loads KORVAL11.DLL the way the IDE does and shows what it offers.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "KorvalExports.h"

namespace {

const char kUsage[] =
    "usage: designer [--module PATH]\n"
    "  Loads KORVAL11.DLL (from PATH, default: beside designer.exe) with LoadLibraryA,\n"
    "  finds its entries by ordinal and prints its export table, the class palette's\n"
    "  answers and the command-item text.\n";

// The export directory of a loaded module, read from its image in memory.
void PrintExportTable(HMODULE module) {
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (dir.VirtualAddress == 0) {
        std::printf("export table: none\n");
        return;
    }
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto functions = reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions);
    auto names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    auto nameOrdinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
    std::printf("export table of %s:\n", reinterpret_cast<const char*>(base + exports->Name));
    for (DWORD index = 0; index < exports->NumberOfFunctions; ++index) {
        if (functions[index] == 0)
            continue;
        const char* name = "(no name)";
        for (DWORD n = 0; n < exports->NumberOfNames; ++n)
            if (nameOrdinals[n] == index)
                name = reinterpret_cast<const char*>(base + names[n]);
        DWORD ordinal = exports->Base + index;
        FARPROC entry = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
        std::printf("  %3lu  %-36s %s\n", ordinal, name, entry ? "found by ordinal" : "NOT FOUND");
    }
}

template <class Pfn>
Pfn Entry(HMODULE module, KorvalOrdinal ordinal) {
    return reinterpret_cast<Pfn>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

} // namespace

int main(int argc, char** argv) {
    char path[MAX_PATH] = "KORVAL11.DLL";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc) {
            lstrcpynA(path, argv[++i], MAX_PATH);
            continue;
        }
        std::fprintf(stderr, "designer: unknown argument '%s'\n%s", argv[i], kUsage);
        return 2;
    }

    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) {
        std::fprintf(stderr, "designer: cannot load %s (error %lu)\n", path, GetLastError());
        return 1;
    }
    PrintExportTable(module);

    auto queryBitmap = Entry<PFN_NWinClassPaletteQueryBitmapItem>(module, ORD_NWinClassPaletteQueryBitmapItem);
    auto commandItem = Entry<PFN_NWinPropGetCommandItem>(module, ORD_NWinPropGetCommandItem);
    int failures = 0;
    if (queryBitmap != nullptr) {
        COLORREF colour = 0;
        DWORD value = 0;
        HBITMAP bitmap = queryBitmap(0, &colour, &value);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        std::printf("class palette: bitmap %s (%ld x %ld, %u bits per pixel), colour 0x%08lX, value %lu\n",
                    bitmap ? "present" : "missing", info.bmWidth, info.bmHeight,
                    info.bmBitsPixel, colour, value);
    } else {
        ++failures;
    }
    if (commandItem != nullptr) {
        char text[64] = {};
        int length = commandItem(0, 0, text, 0);
        std::printf("command item: \"%s\" (length %d)\n", text, length);
    } else {
        ++failures;
    }
    WNDCLASSA wc;
    std::printf("window class ZCicsDataSource: %s\n",
                GetClassInfoA(nullptr, "ZCicsDataSource", &wc) ? "registered" : "NOT registered");
    FreeLibrary(module);
    return failures == 0 ? 0 : 1;
}
