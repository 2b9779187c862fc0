// designer.exe: loads KORVAL11.DLL the way the IDE does and shows what it offers.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include <string>
#include <utility>
#include <vector>

#include "KorvalExports.h"
#include "MervikBinding.h"

namespace {

const char kUsage[] =
    "usage: designer [--module PATH] [--mervik PATH] [--exports] [OUTLINE [--open WINDOW]\n"
    "                [--call ENTRY ITEM]... [--save FILE]]\n"
    "  Loads MERVIK11.DLL and KORVAL11.DLL (from PATH, default: beside designer.exe) with\n"
    "  LoadLibraryA and finds their entries by ordinal, as the IDE does.  Without OUTLINE it\n"
    "  prints the module's answers to the class palette and the command item.\n"
    "  OUTLINE            an outline text file to open; the outline is printed as the IDE\n"
    "                     shows it, before and after the calls\n"
    "  --open WINDOW      opens the design windows of the named top-level window (default:\n"
    "                     the first form window) and lists them\n"
    "  --call ENTRY ITEM  calls a module entry on the named item: DSEnumItems, DSEnumCommands\n"
    "                     (on the item's design window), DSFormatCommander, DSFormatVisualizer\n"
    "                     (on the item)\n"
    "  --save FILE        saves the outline to FILE\n"
    "  --exports          prints KORVAL11.DLL's export table\n";

// The export directory of a loaded module, read from its image in memory.
void PrintExportTable(HMODULE module) {
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
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

template <class Pfn> Pfn Entry(HMODULE module, KorvalOrdinal ordinal) {
    return reinterpret_cast<Pfn>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

struct Options {
    char module[MAX_PATH] = "KORVAL11.DLL";
    char mervik[MAX_PATH] = "MERVIK11.DLL";
    bool exports = false;
    const char* outline = nullptr;
    const char* window = nullptr;
    const char* save = nullptr;
    std::vector<std::pair<std::string, std::string>> calls;
};

// 0 when the arguments were read, else the exit code.
int ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return -1;
        } else if (arg == "--module" && hasValue) {
            lstrcpynA(options.module, argv[++i], MAX_PATH);
        } else if (arg == "--mervik" && hasValue) {
            lstrcpynA(options.mervik, argv[++i], MAX_PATH);
        } else if (arg == "--exports") {
            options.exports = true;
        } else if (arg == "--open" && hasValue) {
            options.window = argv[++i];
        } else if (arg == "--save" && hasValue) {
            options.save = argv[++i];
        } else if (arg == "--call" && i + 2 < argc) {
            options.calls.emplace_back(argv[i + 1], argv[i + 2]);
            i += 2;
        } else if (arg[0] != '-' && options.outline == nullptr) {
            options.outline = argv[i];
        } else {
            std::fprintf(stderr, "designer: unknown or incomplete argument '%s'\n%s", argv[i],
                         kUsage);
            return 2;
        }
    }
    return 0;
}

int ShowModule(HMODULE module) {
    int failures = 0;
    auto queryBitmap =
        Entry<PFN_NWinClassPaletteQueryBitmapItem>(module, ORD_NWinClassPaletteQueryBitmapItem);
    auto commandItem = Entry<PFN_NWinPropGetCommandItem>(module, ORD_NWinPropGetCommandItem);
    if (queryBitmap != nullptr) {
        COLORREF colour = 0;
        DWORD value = 0;
        HBITMAP bitmap = queryBitmap(0, &colour, &value);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        std::printf("class palette: bitmap %s (%ld x %ld, %u bits per pixel), colour 0x%08lX, "
                    "value %lu\n",
                    bitmap ? "present" : "missing", info.bmWidth, info.bmHeight, info.bmBitsPixel,
                    colour, value);
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
    return failures;
}

void PrintOutline(const MervikBinding& mervik, DWORD outline, const char* heading) {
    int length = mervik.print(outline, nullptr, 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    mervik.print(outline, &text[0], static_cast<int>(text.size()));
    std::printf("%s\n%s", heading, text.c_str());
}

// Lists the design windows below a window, as the outline placed them.
void PrintWindows(const MervikBinding& mervik, HWND window, int depth) {
    char className[64] = {};
    char title[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    RECT rect;
    GetWindowRect(window, &rect);
    HITEM item = HOST_OPERATION_OF(mervik, HostGetWindowItem)(window);
    std::printf("%*s%-16s \"%s\" item %lu at %ld,%ld size %ldx%ld\n", depth * 2, "", className,
                title, item, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if (HOST_OPERATION_OF(mervik, HostGetWindowItem)(child) != 0)
            PrintWindows(mervik, child, depth + 1);
}

int CallEntry(HMODULE module, const MervikBinding& mervik, DWORD outline, const std::string& entry,
              const std::string& name) {
    HITEM item = mervik.findByName(outline, name.c_str());
    if (item == 0) {
        std::fprintf(stderr, "designer: no item named %s\n", name.c_str());
        return 1;
    }
    HWND window = HOST_OPERATION_OF(mervik, HostGetItemWindow)(outline, item);
    if (entry == "DSEnumItems") {
        auto call = Entry<PFN_DSEnumItems>(module, ORD_DSEnumItems);
        HOSTSTRARRAY array = HOST_OPERATION_OF(mervik, HostCreateStringArray)(5);
        int count = call(window, array);
        std::printf("DSEnumItems(%s) = %d\n", name.c_str(), count);
        for (int i = 0; i < count; ++i) {
            HOSTSTR h = 0;
            if (HOST_OPERATION_OF(mervik, HostGetArrayString)(array, &h, i))
                std::printf("  %d: %s\n", i, HOST_OPERATION_OF(mervik, HostLockString)(h, nullptr));
        }
        HOST_OPERATION_OF(mervik, HostDestroyStringArray)(array);
    } else if (entry == "DSEnumCommands") {
        auto call = Entry<PFN_DSEnumCommands>(module, ORD_DSEnumCommands);
        HWND list = CreateWindowExA(0, "LISTBOX", "", 0, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        int count = call(window, list);
        std::printf("DSEnumCommands(%s) = %d\n", name.c_str(), count);
        int entries = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < entries; ++i) {
            char text[128] = {};
            if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
                SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            std::printf("  %s\n", text);
        }
        DestroyWindow(list);
    } else if (entry == "DSFormatCommander") {
        auto call = Entry<PFN_DSFormatCommander>(module, ORD_DSFormatCommander);
        std::printf("DSFormatCommander(%s) = %d\n", name.c_str(), call(outline, item));
    } else if (entry == "DSFormatVisualizer") {
        auto call = Entry<PFN_DSFormatVisualizer>(module, ORD_DSFormatVisualizer);
        std::printf("DSFormatVisualizer(%s) = %d\n", name.c_str(), call(outline, item, 0, 0));
    } else {
        std::fprintf(stderr, "designer: unknown entry %s\n", entry.c_str());
        return 1;
    }
    return 0;
}

int DesignOutline(HMODULE module, const MervikBinding& mervik, const Options& options) {
    int line = 0;
    char message[256] = {};
    DWORD outline = mervik.loadFile(options.outline, &line, message, sizeof message);
    if (outline == 0) {
        std::fprintf(stderr, "designer: %s refused at line %d: %s\n", options.outline, line,
                     message);
        return 1;
    }
    DWORD stringsAtStart = mervik.liveStrings();
    PrintOutline(mervik, outline, "outline:");

    HITEM window = options.window != nullptr ? mervik.findByName(outline, options.window) : 0;
    if (options.window == nullptr) {
        HITEM application = HOST_OPERATION_OF(mervik, HostGetFirstChild)(
            outline, HOST_OPERATION_OF(mervik, HostGetRootItem)(outline));
        for (HITEM child = HOST_OPERATION_OF(mervik, HostGetFirstChild)(outline, application);
             child != 0 && window == 0;
             child = HOST_OPERATION_OF(mervik, HostGetNextSibling)(outline, child))
            if (HOST_OPERATION_OF(mervik, HostGetItemKind)(outline, child) == 1)
                window = child;
    }
    HWND top = window != 0 ? mervik.openWindows(outline, window) : nullptr;
    if (top != nullptr) {
        std::printf("design windows:\n");
        PrintWindows(mervik, top, 1);
    } else {
        std::printf("design windows: none (no top-level window %s)\n",
                    options.window != nullptr ? options.window : "in the outline");
    }

    int failures = 0;
    for (const auto& call : options.calls)
        failures += CallEntry(module, mervik, outline, call.first, call.second);
    if (!options.calls.empty())
        PrintOutline(mervik, outline, "outline after the calls:");
    std::printf("caller-owned host strings left by the calls: %ld\n",
                static_cast<long>(mervik.liveStrings()) - static_cast<long>(stringsAtStart));

    if (options.save != nullptr) {
        if (mervik.saveFile(outline, options.save)) {
            std::printf("saved to %s\n", options.save);
        } else {
            std::fprintf(stderr, "designer: cannot save to %s\n", options.save);
            ++failures;
        }
    }
    HOST_OPERATION_OF(mervik, HostCloseOutline)(outline);
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (int code = ReadOptions(argc, argv, options))
        return code < 0 ? 0 : code;

    // MERVIK11.DLL first: KORVAL11.DLL imports it, and the IDE has it loaded already.
    MervikBinding mervik;
    if (!mervik.Load(options.mervik))
        return 1;
    HMODULE module = LoadLibraryA(options.module);
    if (module == nullptr) {
        std::fprintf(stderr, "designer: cannot load %s (error %lu)\n", options.module,
                     GetLastError());
        return 1;
    }
    if (options.exports)
        PrintExportTable(module);
    int failures = ShowModule(module);
    if (options.outline != nullptr)
        failures += DesignOutline(module, mervik, options);
    FreeLibrary(module);
    return failures == 0 ? 0 : 1;
}
