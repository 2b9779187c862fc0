// The kit's string: a CString that also converts to and from the outline
// library's string handles.  It never owns a host handle: a handle given to it
// is only read, and the handle ToHandle makes belongs to the caller.
#pragma once

#include "CString.h"
#include "HostOutline.h"

class CKString : public CString {
public:
    CKString() = default;
    CKString(const CString& other) : CString(other) {}
    CKString(const char* text) : CString(text) {}
    // The text of the host string; empty for handle 0 or a string the host
    // reports as empty.
    explicit CKString(HOSTSTR handle);

    CKString& operator=(const CString& other) {
        CString::operator=(other);
        return *this;
    }
    CKString& operator=(const char* text) {
        CString::operator=(text);
        return *this;
    }

    // Replaces the text with the host string's (empty for handle 0).
    void SetFromHandle(HOSTSTR handle);
    // A new caller-owned host string holding a copy of the text.
    HOSTSTR ToHandle() const;
    // Turns an identifier into a label caption: underscores become blanks and
    // the host converts the result.  Always TRUE.
    BOOL MakeLabelText();
};

// Cuts the string before the first occurrence of ch (double-byte aware).
void TruncateAt(CString& text, char ch);
// Cuts at ':', then '!', then a blank, then a tab: what is left is the item's name.
void TruncateAtSeparators(CString& text);
// 1 plus the number of line feeds: the line count the host is given with a text.
int CountLines(const char* text);
