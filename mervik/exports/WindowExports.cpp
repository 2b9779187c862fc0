// The design-window, layout-unit and host-number operations of MERVIK11.DLL.
// The outline's layout unit is the inch; pixels follow the window's display.
#include <cmath>
#include <cstring>

#include "DesignWindows.h"
#include "ExportGuard.h"
#include "HostNumberLayout.h"
#include "HostOutline.h"

using mervik::DesignWindows;
using mervik::Guarded;

static_assert(sizeof(HOSTNUMBER) == mervik::kHostNumberBytes, "host numbers are 16 bytes");

HWND WINAPI HostGetItemWindow(HOUTLINE o, HITEM i) {
    return Guarded<HWND>(nullptr, [&] { return DesignWindows::Instance().ItemWindow(o, i); });
}

HITEM WINAPI HostGetWindowItem(HWND w) {
    return Guarded<HITEM>(0, [&] { return DesignWindows::Instance().WindowItem(w); });
}

HOUTLINE WINAPI HostGetWindowOutline(HWND w) {
    return Guarded<HOUTLINE>(0, [&] { return DesignWindows::Instance().WindowOutline(w); });
}

HWND WINAPI HostRebuildItemWindow(HOUTLINE o, HITEM i) {
    return Guarded<HWND>(nullptr, [&] { return DesignWindows::Instance().Rebuild(o, i); });
}

// A design window's value is the handle of its item.
DWORD WINAPI HostGetWindowValue(HWND w) {
    return Guarded<DWORD>(0, [&] { return DWORD{DesignWindows::Instance().WindowItem(w)}; });
}

int WINAPI HostUnitsToPixels(HWND w, HOSTNUMBER n, BOOL vertical) {
    return Guarded<int>(0, [&] {
        double inches = 0;
        if (!IsWindow(w) || !mervik::DecodeHostNumber(n.bytes, inches))
            return 0;
        double pixels = std::floor(inches * DesignWindows::PixelsPerInch(w, vertical != 0) + 0.5);
        return std::fabs(pixels) < 1e9 ? static_cast<int>(pixels) : 0;
    });
}

HOSTNUMBER* WINAPI HostPixelsToUnits(HOSTNUMBER* n, HWND w, int pixels, BOOL vertical) {
    return Guarded<HOSTNUMBER*>(n, [&] {
        // Without a window there is no display to measure: the answer is 0 units.
        if (n != nullptr)
            mervik::EncodeHostNumber(IsWindow(w)
                                         ? static_cast<double>(pixels) /
                                               DesignWindows::PixelsPerInch(w, vertical != 0)
                                         : 0.0,
                                     n->bytes);
        return n;
    });
}

HOSTNUMBER* WINAPI HostNumberFromDouble(double x, HOSTNUMBER* n) {
    if (n != nullptr)
        mervik::EncodeHostNumber(x, n->bytes);
    return n;
}

BOOL WINAPI HostNumberToDouble(const HOSTNUMBER* n, double* x) {
    double value = 0;
    if (n == nullptr || x == nullptr || !mervik::DecodeHostNumber(n->bytes, value))
        return FALSE;
    *x = value;
    return TRUE;
}
