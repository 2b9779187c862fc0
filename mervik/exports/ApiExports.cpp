// The named API of MERVIK11.DLL (MervikApi.h).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "DesignWindows.h"
#include "ExportGuard.h"
#include "ItemKinds.h"
#include "Library.h"
#include "MervikApi.h"
#include "OutlineFile.h"
#include "OutlinePrinter.h"

using mervik::Guarded;
using mervik::TheLibrary;

namespace {

int CopyOut(const std::string& text, char* buffer, int size) {
    if (buffer != nullptr && size > 0 && text.size() < static_cast<std::size_t>(size)) {
        text.copy(buffer, text.size());
        buffer[text.size()] = '\0';
    }
    return text.size() > 0x7FFFFFFF ? -1 : static_cast<int>(text.size());
}

DWORD Load(const std::string& text, const std::string& name, int* errorLine, char* message,
           int messageSize) {
    mervik::LoadResult result = mervik::LoadOutline(TheLibrary().outlines, text, name);
    if (errorLine != nullptr)
        *errorLine = result.line;
    CopyOut(result.message, message, messageSize);
    return result.outline;
}

} // namespace

DWORD MervikOpenOutline(const char* name) {
    return Guarded<DWORD>(0, [&] { return TheLibrary().outlines.Open(name ? name : ""); });
}

BOOL MervikSetCurrentOutline(DWORD outline) {
    return Guarded<BOOL>(FALSE, [&] {
        if (TheLibrary().outlines.FindOutline(outline) == nullptr)
            return FALSE;
        TheLibrary().outlines.current = outline;
        return TRUE;
    });
}

DWORD MervikAddItem(DWORD outline, DWORD parent, int kind, const char* text) {
    return Guarded<DWORD>(0, [&] {
        mervik::Library& library = TheLibrary();
        DWORD item = library.InsertItem(outline, parent, library.LastChild(outline, parent), kind);
        if (item != 0 && text != nullptr)
            library.SetItemText(outline, item, text, 1);
        return item;
    });
}

BOOL MervikSetItemProtected(DWORD outline, DWORD item, BOOL isProtected) {
    return Guarded<BOOL>(FALSE, [&] {
        mervik::Item* found = TheLibrary().outlines.FindItem(outline, item);
        if (found == nullptr)
            return FALSE;
        found->isProtected = isProtected != 0;
        return TRUE;
    });
}

DWORD MervikFindItemByName(DWORD outline, const char* name) {
    return Guarded<DWORD>(0, [&] {
        mervik::Outline* open = TheLibrary().outlines.FindOutline(outline);
        if (open == nullptr || name == nullptr)
            return DWORD{0};
        DWORD found = 0;
        mervik::WalkSubtree(*open->root, [&](mervik::Item& item) {
            if (found == 0 && item.kind != mervik::kind::Comment &&
                mervik::NameOfText(item.text) == name)
                found = item.handle;
        });
        return found;
    });
}

DWORD MervikLoadOutlineFile(const char* path, int* errorLine, char* message, int messageSize) {
    return Guarded<DWORD>(0, [&] {
        if (errorLine != nullptr)
            *errorLine = 0;
        std::ifstream file(path != nullptr ? path : "", std::ios::binary);
        if (!file) {
            CopyOut("cannot open the file", message, messageSize);
            return DWORD{0};
        }
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return Load(text, path, errorLine, message, messageSize);
    });
}

DWORD MervikLoadOutlineText(const char* text, int* errorLine, char* message, int messageSize) {
    return Guarded<DWORD>(0, [&] {
        if (text == nullptr)
            return DWORD{0};
        return Load(text, "", errorLine, message, messageSize);
    });
}

BOOL MervikSaveOutlineFile(DWORD outline, const char* path) {
    return Guarded<BOOL>(FALSE, [&] {
        mervik::Outline* open = TheLibrary().outlines.FindOutline(outline);
        if (open == nullptr || path == nullptr)
            return FALSE;
        std::string text = mervik::SaveOutline(*open);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file)
            return FALSE;
        open->modified = false;
        return TRUE;
    });
}

int MervikSaveOutlineText(DWORD outline, char* buffer, int size) {
    return Guarded<int>(-1, [&] {
        mervik::Outline* open = TheLibrary().outlines.FindOutline(outline);
        return open != nullptr ? CopyOut(mervik::SaveOutline(*open), buffer, size) : -1;
    });
}

int MervikPrintOutline(DWORD outline, char* buffer, int size) {
    return Guarded<int>(-1, [&] {
        mervik::Outline* open = TheLibrary().outlines.FindOutline(outline);
        return open != nullptr ? CopyOut(mervik::PrintOutline(*open), buffer, size) : -1;
    });
}

HWND MervikOpenDesignWindows(DWORD outline, DWORD item) {
    return Guarded<HWND>(nullptr,
                         [&] { return mervik::DesignWindows::Instance().Open(outline, item); });
}

DWORD MervikLiveStringCount(void) {
    return static_cast<DWORD>(TheLibrary().strings.LiveCallerStrings());
}

void MervikSetExecuteAnswer(BOOL answer, DWORD result) {
    TheLibrary().run.answer = answer != 0;
    TheLibrary().run.result = result;
}

int MervikLastExecuted(char* buffer, int size) {
    return Guarded<int>(-1, [&] { return CopyOut(TheLibrary().run.lastCommand, buffer, size); });
}
