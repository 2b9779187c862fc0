// The design-time windows of outline items: a real window for a top-level
// window item and for each child window item inside it, placed where the
// outline's geometry properties say.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

namespace mervik {

class DesignWindows {
public:
    static DesignWindows& Instance();

    // Creates the windows of a top-level window item and its child windows; the top window.
    HWND Open(uint32_t outline, uint32_t item);
    // The item's window while both live, else null.
    HWND ItemWindow(uint32_t outline, uint32_t item);
    // The item and outline of a design window whose item is alive, else 0.
    uint32_t WindowItem(HWND window);
    uint32_t WindowOutline(HWND window);
    // Replaces the item's window (and those of its child windows) by new ones.
    HWND Rebuild(uint32_t outline, uint32_t item);
    // A window for a new child window item inside a container open for design.
    HWND CreateInOpenContainer(uint32_t outline, uint32_t item);
    void CloseOutline(uint32_t outline);

    // Pixels per inch of the window's display, across or down.
    static int PixelsPerInch(HWND window, bool vertical);

private:
    struct Entry {
        uint32_t outline;
        HWND window;
    };
    HWND Create(uint32_t outline, uint32_t item, HWND parent);
    void CreateChildren(uint32_t outline, uint32_t item, HWND window);
    void Forget(uint32_t item);

    std::map<uint32_t, Entry> byItem_;
    std::map<HWND, uint32_t> byWindow_;
};

} // namespace mervik
