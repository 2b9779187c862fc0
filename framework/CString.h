// The framework's string: the ANSI multibyte text of the active code page
// (AfxCodePage.h).  Lengths and indexes count bytes; the text is always
// NUL-terminated; searches walk whole characters, so a trail byte of a
// double-byte character never matches on its own.  Every string owns its
// buffer: no two strings share one.  Allocation failure raises
// CMemoryException* and leaves the string as it was.
//
// The object is exactly a pointer to the characters, the length and the
// allocated length (the kit's string derives from it without adding fields).
#pragma once

#include <windows.h>

class CString {
public:
    CString();
    CString(const CString& other);
    // A null pointer gives an empty string.
    CString(const char* text);
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    CString& operator=(char ch);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& left, const CString& right);
    friend CString operator+(const CString& left, const char* right);
    friend CString operator+(const char* left, const CString& right);
    friend CString operator+(const CString& left, char right);

    int GetLength() const { return m_nDataLength; }
    BOOL IsEmpty() const { return m_nDataLength == 0; }
    void Empty();
    operator const char*() const { return m_pchData; }
    // The byte at index; index must lie inside the string.
    char GetAt(int index) const { return m_pchData[index]; }
    char operator[](int index) const { return m_pchData[index]; }
    void SetAt(int index, char ch);

    // Byte-wise, case-sensitive: <0, 0 or >0 as strcmp.
    int Compare(const char* text) const;
    // Ignoring case as the system's case mapping does.
    int CompareNoCase(const char* text) const;

    // Room for at least minLength bytes plus the NUL, holding the current
    // text; ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    // Byte index of the first match at or after start, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    // Byte index of the last match, or -1.
    int ReverseFind(char ch) const;

    // Counts are clamped to the string; never fails for out-of-range input.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // The system's case mapping (CharUpperA, CharLowerA) applied to the
    // single-byte characters; double-byte characters stay as they are.
    void MakeUpper();
    void MakeLower();
    // Number of replacements made.
    int Replace(char oldChar, char newChar);
    int Replace(const char* oldText, const char* newText);

    // printf formatting; numbers always use '.' as the decimal point.
    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);
    // The text of the module's string table entry (at most 255 characters);
    // FALSE and empty when there is no such entry.
    BOOL LoadString(UINT id);

private:
    void Assign(const char* text, int length);
    void Append(const char* text, int length);
    // Makes room for length bytes plus the NUL, keeping the text.
    void Reserve(int length);

    char* m_pchData;
    int m_nDataLength;
    int m_nAllocLength;
};

inline bool operator==(const CString& left, const char* right) {
    return left.Compare(right) == 0;
}
inline bool operator==(const char* left, const CString& right) {
    return right.Compare(left) == 0;
}
inline bool operator==(const CString& left, const CString& right) {
    return left.Compare(right) == 0;
}
inline bool operator!=(const CString& left, const char* right) {
    return !(left == right);
}
inline bool operator!=(const char* left, const CString& right) {
    return !(left == right);
}
inline bool operator!=(const CString& left, const CString& right) {
    return !(left == right);
}
inline bool operator<(const CString& left, const char* right) {
    return left.Compare(right) < 0;
}
inline bool operator>(const CString& left, const char* right) {
    return left.Compare(right) > 0;
}
