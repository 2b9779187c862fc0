#include "KTextMetrics.h"

namespace {
template <class Measure> int WithMetrics(HWND window, Measure measure) {
    if (window == nullptr || !IsWindow(window))
        return 0;
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return 0;
    TEXTMETRICA metrics = {};
    int result = GetTextMetricsA(dc, &metrics) ? measure(dc, metrics) : 0;
    ReleaseDC(window, dc);
    return result;
}
} // namespace

int AverageCharWidth(HWND window) {
    return WithMetrics(window, [](HDC dc, const TEXTMETRICA& metrics) {
        // The pitch bit set means a variable-pitch font.
        if ((metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0)
            return int(metrics.tmAveCharWidth);
        static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        SIZE size = {};
        GetTextExtentPoint32A(dc, kLetters, 52, &size);
        return int(size.cx / 52);
    });
}

int LineHeight(HWND window) {
    return WithMetrics(window, [](HDC, const TEXTMETRICA& metrics) {
        return int(metrics.tmHeight + metrics.tmExternalLeading);
    });
}
