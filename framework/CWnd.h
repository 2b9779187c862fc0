// A window object: a thin wrapper around a window handle.  A window that the
// module did not wrap itself is reached through FromHandle, which makes a
// temporary object that lives until the temporary maps are released
// (TempMaps.h); Attach ties an object of the caller's to a handle for as long
// as the caller wants, and Detach unties it.  Destroying a window object never
// destroys its window: the module only wraps windows that others own.
#pragma once

#include <windows.h>

#include "AfxMessageMap.h"
#include "CObject.h"
#include "CString.h"

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The attached object for the handle, else a temporary one; null for a
    // null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The attached object for the handle, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // How many temporary window objects are alive.
    static int GetTemporaryCount();

    // FALSE when the object already wraps a window, the handle is null or
    // another object is attached to it.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetDlgItem(int id) const;
    void SetWindowText(const char* text);
    int GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    BOOL EnableWindow(BOOL enable = TRUE);
    // Switches the window's redrawing off or on (WM_SETREDRAW).
    void SetRedraw(BOOL redraw = TRUE);
    DWORD GetStyle() const;

    HWND m_hWnd = nullptr;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // Looks the message up in the message map; TRUE when a handler took it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LRESULT* result);
};
