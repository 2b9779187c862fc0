// Plays the user of the next modal dialog that the framework runs: the script
// is called once the dialog is up, inside its modal loop, and works the real
// controls with the messages that typing and clicking produce.  Message boxes
// that appear meanwhile are read and dismissed with their OK button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogUser {
public:
    using Script = std::function<void(DialogUser& user)>;

    explicit DialogUser(Script script);
    ~DialogUser();
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    HWND Dialog() const { return m_dialog; }
    HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
    bool Played() const { return m_played; }

    // Typing: the focus goes to the field, its text is selected and each
    // character arrives as WM_CHAR, so the field's limit applies.
    void Type(int id, const char* text);
    // Replacing the whole text at once (WM_SETTEXT), past any limit on typing.
    void SetText(int id, const char* text);
    // Clicks the check box when its state differs from the wanted one.
    void SetCheck(int id, bool checked);
    // Picks the list entry with exactly this text, as a click in the list does.
    bool Choose(int id, const char* text);
    void PressOK() { Click(IDOK); }
    void PressCancel() { Click(IDCANCEL); }
    void Click(int id);

    std::string Text(int id) const;
    const std::vector<std::string>& MessageBoxes() const { return m_messageBoxes; }

private:
    static void Drive(HWND dialog, void* context);
    static LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam);
    HWND EditOf(HWND control) const;

    Script m_script;
    HWND m_dialog = nullptr;
    bool m_played = false;
    HHOOK m_hook = nullptr;
    std::vector<std::string> m_messageBoxes;
};
