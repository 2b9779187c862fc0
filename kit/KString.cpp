#include "KString.h"

#include <cstring>

namespace {
// The characters up to the first NUL of a locked host string.
int LockedLength(const char* text) { return text == nullptr ? 0 : int(std::strlen(text)); }
} // namespace

CKString::CKString(HOSTSTR handle) {
    if (handle == 0)
        return;
    DWORD reported = 0;
    const char* text = HostLockString(handle, &reported);
    if (reported == 0)
        return;
    int length = LockedLength(text);
    if (length > 0)
        CString::operator=(CString(text, length));
}

void CKString::SetFromHandle(HOSTSTR handle) {
    if (handle == 0) {
        Empty();
        return;
    }
    DWORD reported = 0;
    const char* text = HostLockString(handle, &reported);
    int length = LockedLength(text);
    if (length == 0)
        Empty();
    else
        CString::operator=(CString(text, length));
}

HOSTSTR CKString::ToHandle() const {
    HOSTSTR handle = 0;
    HostSetStringSize(&handle, DWORD(GetLength()) + 1);
    DWORD size = 0;
    char* target = HostLockString(handle, &size);
    if (target != nullptr)
        std::memcpy(target, static_cast<const char*>(*this), size_t(GetLength()) + 1);
    return handle;
}

BOOL CKString::MakeLabelText() {
    for (int pos = Find('_'); pos >= 0; pos = Find('_', pos + 1)) {
        char* buffer = GetBuffer(0);
        buffer[pos] = ' ';
        ReleaseBuffer(GetLength());
    }
    HOSTSTR made = ToHandle();
    // The converted string is the host's; only the one made here is freed.
    SetFromHandle(HostConvertText(made));
    HostFreeString(made);
    return TRUE;
}

void TruncateAt(CString& text, char ch) {
    int pos = text.Find(ch);
    if (pos == 0)
        text.Empty();
    else if (pos > 0)
        text = text.Left(pos);
}

void TruncateAtSeparators(CString& text) {
    TruncateAt(text, ':');
    TruncateAt(text, '!');
    TruncateAt(text, ' ');
    TruncateAt(text, '\t');
}

int CountLines(const char* text) {
    int lines = 1;
    if (text != nullptr)
        for (; *text != '\0'; ++text)
            if (*text == '\n')
                ++lines;
    return lines;
}
