// Text measures of a design window, in pixels; 0 for a handle that is no window.
#pragma once

#include <windows.h>

// The average character width: for a variable-pitch font, the width of the 52
// letters of the alphabet in both cases divided by 52; else the font's own average.
int AverageCharWidth(HWND window);
// The height of a line: the font's height and its external leading.
int LineHeight(HWND window);
