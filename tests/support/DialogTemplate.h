// Reads a classic (non-extended) dialog template as the dialog manager does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogControl {
    int id;
    std::string className; // "#128" ... for the predefined classes, as ordinals
    std::string text;
    short x, y, cx, cy;
    DWORD style;
};

struct DialogTemplate {
    DWORD style;
    short x, y, cx, cy;
    std::string caption;
    WORD pointSize;
    std::string faceName;
    std::vector<DialogControl> controls;
};

// False when the bytes are no classic template or run past size.
bool ParseDialogTemplate(const void* data, DWORD size, DialogTemplate& out);
