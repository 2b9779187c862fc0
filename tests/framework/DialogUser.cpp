#include "DialogUser.h"

#include "AfxDialogDriver.h"

namespace {
DialogUser* g_current = nullptr;

std::string WindowText(HWND hWnd) {
    int length = GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

bool HasClass(HWND hWnd, const char* name) {
    char className[64] = "";
    GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

// The message box's own text: its one static control that shows text.
BOOL CALLBACK CollectText(HWND child, LPARAM lParam) {
    if (HasClass(child, "Static") &&
        (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        std::string text = WindowText(child);
        if (!text.empty())
            *reinterpret_cast<std::string*>(lParam) += text;
    }
    return TRUE;
}
} // namespace

DialogUser::DialogUser(Script script) : m_script(std::move(script)) {
    g_current = this;
    AfxSetModalDialogDriver(&DialogUser::Drive, this);
}

DialogUser::~DialogUser() {
    AfxSetModalDialogDriver(nullptr, nullptr);
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    g_current = nullptr;
}

void DialogUser::Drive(HWND dialog, void* context) {
    DialogUser* user = static_cast<DialogUser*>(context);
    user->m_dialog = dialog;
    user->m_played = true;
    user->m_hook =
        SetWindowsHookExA(WH_CBT, &DialogUser::WatchActivation, nullptr, GetCurrentThreadId());
    user->m_script(*user);
    UnhookWindowsHookEx(user->m_hook);
    user->m_hook = nullptr;
}

LRESULT CALLBACK DialogUser::WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
    DialogUser* user = g_current;
    if (code == HCBT_ACTIVATE && user != nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (box != user->m_dialog && HasClass(box, "#32770")) {
            std::string text;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
            user->m_messageBoxes.push_back(text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(user != nullptr ? user->m_hook : nullptr, code, wParam, lParam);
}

HWND DialogUser::EditOf(HWND control) const {
    if (HasClass(control, "ComboBox")) {
        HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
        if (edit != nullptr)
            return edit;
    }
    return control;
}

void DialogUser::Type(int id, const char* text) {
    HWND edit = EditOf(Control(id));
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* p = text; *p != '\0'; ++p)
        SendMessageA(edit, WM_CHAR, static_cast<BYTE>(*p), 1);
}

void DialogUser::SetText(int id, const char* text) {
    SetWindowTextA(Control(id), text);
}

void DialogUser::SetCheck(int id, bool checked) {
    HWND box = Control(id);
    if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        Click(id);
}

bool DialogUser::Choose(int id, const char* text) {
    HWND combo = Control(id);
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR)
        return false;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return true;
}

void DialogUser::Click(int id) {
    SendMessageA(Control(id), BM_CLICK, 0, 0);
}

std::string DialogUser::Text(int id) const {
    return WindowText(Control(id));
}
