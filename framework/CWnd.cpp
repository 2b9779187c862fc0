#include "CWnd.h"

#include <map>

#include "TempMaps.h"

IMPLEMENT_DYNAMIC(CWnd, CObject)

namespace {
struct WindowMaps {
    std::map<HWND, CWnd*> permanent;
    std::map<HWND, CWnd*> temporary;
};

void ReleaseTemporaryWindows();

WindowMaps& Maps() {
    static WindowMaps maps;
    static bool registered = false;
    if (!registered) {
        registered = true;
        AfxRegisterTempMap(ReleaseTemporaryWindows);
    }
    return maps;
}

void ReleaseTemporaryWindows() {
    auto& temporary = Maps().temporary;
    while (!temporary.empty()) {
        CWnd* wrapper = temporary.begin()->second;
        temporary.erase(temporary.begin());
        wrapper->m_hWnd = nullptr;
        delete wrapper;
    }
}
} // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& permanent = Maps().permanent;
    auto found = permanent.find(hWnd);
    return found == permanent.end() ? nullptr : found->second;
}

int CWnd::GetTemporaryCount() {
    return static_cast<int>(Maps().temporary.size());
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* attached = FromHandlePermanent(hWnd))
        return attached;
    auto& temporary = Maps().temporary;
    auto found = temporary.find(hWnd);
    if (found != temporary.end())
        return found->second;
    CWnd* wrapper = new CWnd;
    try {
        temporary[hWnd] = wrapper;
    } catch (...) {
        delete wrapper;
        throw;
    }
    wrapper->m_hWnd = hWnd;
    return wrapper;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    Maps().permanent[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        auto& permanent = Maps().permanent;
        auto found = permanent.find(hWnd);
        if (found != permanent.end() && found->second == this)
            permanent.erase(found);
    }
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

void CWnd::SetWindowText(const char* text) {
    ::SetWindowTextA(m_hWnd, text == nullptr ? "" : text);
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

int CWnd::GetWindowText(CString& text) const {
    int length = GetWindowTextLength();
    char* buffer = text.GetBuffer(length);
    int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(copied >= 0 && copied <= length ? copied : 0);
    return text.GetLength();
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}

void CWnd::SetRedraw(BOOL redraw) {
    SendMessage(WM_SETREDRAW, redraw, 0);
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LRESULT* result) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
            if (entry->nMessage != message)
                continue;
            if (entry->nSig == AfxSig_vv && message == WM_COMMAND && LOWORD(wParam) == entry->nID &&
                HIWORD(wParam) == entry->nCode) {
                (this->*entry->pfn)();
                *result = 0;
                return TRUE;
            }
        }
    }
    return FALSE;
}
