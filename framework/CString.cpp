#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <new>

#include "AfxCodePage.h"
#include "AfxModule.h"
#include "CException.h"

namespace {
int TextLength(const char* text) {
    return text == nullptr ? 0 : static_cast<int>(std::strlen(text));
}

char* NewBuffer(int length) {
    char* buffer = new (std::nothrow) char[static_cast<size_t>(length) + 1];
    if (buffer == nullptr)
        AfxThrowMemoryException();
    return buffer;
}

// Visits the start of every character at or after start, walking from the
// beginning of the text so that the walk stays on character boundaries; the
// index of the first visit that answers true, or -1.
template <class Visit> int WalkCharacters(const char* text, int length, int start, Visit visit) {
    for (int index = 0; index < length; index += AfxCharLength(text, length, index))
        if (index >= start && visit(index))
            return index;
    return -1;
}
} // namespace

CString::CString() : m_pchData(NewBuffer(0)), m_nDataLength(0), m_nAllocLength(0) {
    m_pchData[0] = '\0';
}

CString::CString(const CString& other) : CString(other.m_pchData, other.m_nDataLength) {}

CString::CString(const char* text) : CString(text, TextLength(text)) {}

CString::CString(const char* text, int length) {
    if (text == nullptr || length < 0)
        length = 0;
    m_pchData = NewBuffer(length);
    m_nDataLength = m_nAllocLength = length;
    if (length > 0)
        std::memcpy(m_pchData, text, length);
    m_pchData[length] = '\0';
}

CString::CString(char ch, int repeat) {
    if (repeat < 0)
        repeat = 0;
    m_pchData = NewBuffer(repeat);
    m_nDataLength = m_nAllocLength = repeat;
    std::memset(m_pchData, ch, repeat);
    m_pchData[repeat] = '\0';
}

CString::~CString() {
    delete[] m_pchData;
}

void CString::Reserve(int length) {
    if (length <= m_nAllocLength)
        return;
    char* buffer = NewBuffer(length);
    std::memcpy(buffer, m_pchData, m_nDataLength + 1);
    delete[] m_pchData;
    m_pchData = buffer;
    m_nAllocLength = length;
}

void CString::Assign(const char* text, int length) {
    if (length > m_nAllocLength) {
        // A fresh buffer first: the text may be this string's own.
        char* buffer = NewBuffer(length);
        std::memcpy(buffer, text, length);
        delete[] m_pchData;
        m_pchData = buffer;
        m_nAllocLength = length;
    } else {
        std::memmove(m_pchData, text, length);
    }
    m_nDataLength = length;
    m_pchData[length] = '\0';
}

void CString::Append(const char* text, int length) {
    if (length <= 0)
        return;
    int total = m_nDataLength + length;
    if (total > m_nAllocLength) {
        char* buffer = NewBuffer(total + total / 2);
        std::memcpy(buffer, m_pchData, m_nDataLength);
        std::memcpy(buffer + m_nDataLength, text, length);
        delete[] m_pchData;
        m_pchData = buffer;
        m_nAllocLength = total + total / 2;
    } else {
        std::memmove(m_pchData + m_nDataLength, text, length);
    }
    m_nDataLength = total;
    m_pchData[total] = '\0';
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        Assign(other.m_pchData, other.m_nDataLength);
    return *this;
}

CString& CString::operator=(const char* text) {
    Assign(text == nullptr ? "" : text, TextLength(text));
    return *this;
}

CString& CString::operator=(char ch) {
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& other) {
    Append(other.m_pchData, other.m_nDataLength);
    return *this;
}

CString& CString::operator+=(const char* text) {
    Append(text, TextLength(text));
    return *this;
}

CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

CString operator+(const CString& left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const char* right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const char* left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, char right) {
    CString result(left);
    result += right;
    return result;
}

void CString::Empty() {
    m_nDataLength = 0;
    m_pchData[0] = '\0';
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < m_nDataLength && ch != '\0')
        m_pchData[index] = ch;
}

int CString::Compare(const char* text) const {
    return std::strcmp(m_pchData, text == nullptr ? "" : text);
}

int CString::CompareNoCase(const char* text) const {
    CString left(*this), right(text);
    left.MakeLower();
    right.MakeLower();
    return left.Compare(right);
}

char* CString::GetBuffer(int minLength) {
    Reserve(minLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0 || newLength > m_nAllocLength)
        newLength = static_cast<int>(strnlen(m_pchData, m_nAllocLength));
    m_nDataLength = newLength;
    m_pchData[newLength] = '\0';
}

int CString::Find(char ch, int start) const {
    const char* text = m_pchData;
    int length = m_nDataLength;
    return WalkCharacters(text, length, start, [&](int index) {
        return text[index] == ch && AfxCharLength(text, length, index) == 1;
    });
}

int CString::Find(const char* sub, int start) const {
    int subLength = TextLength(sub);
    if (subLength == 0)
        return start >= 0 && start <= m_nDataLength ? start : -1;
    const char* text = m_pchData;
    int length = m_nDataLength;
    return WalkCharacters(text, length, start, [&](int index) {
        return index + subLength <= length && std::memcmp(text + index, sub, subLength) == 0;
    });
}

int CString::ReverseFind(char ch) const {
    int last = -1;
    const char* text = m_pchData;
    int length = m_nDataLength;
    WalkCharacters(text, length, 0, [&](int index) {
        if (text[index] == ch && AfxCharLength(text, length, index) == 1)
            last = index;
        return false;
    });
    return last;
}

CString CString::Left(int count) const {
    if (count < 0)
        count = 0;
    return CString(m_pchData, count < m_nDataLength ? count : m_nDataLength);
}

CString CString::Right(int count) const {
    if (count < 0)
        count = 0;
    if (count > m_nDataLength)
        count = m_nDataLength;
    return CString(m_pchData + m_nDataLength - count, count);
}

CString CString::Mid(int first) const {
    return Mid(first, m_nDataLength);
}

CString CString::Mid(int first, int count) const {
    if (first < 0)
        first = 0;
    if (first > m_nDataLength)
        first = m_nDataLength;
    if (count < 0)
        count = 0;
    if (count > m_nDataLength - first)
        count = m_nDataLength - first;
    return CString(m_pchData + first, count);
}

// Only single-byte characters change case: the bytes of a double-byte
// character (its trail byte may look like a Latin letter) stay as they are.
template <class ChangeCase> void ChangeSingleByteCase(char* text, int length, ChangeCase change) {
    WalkCharacters(text, length, 0, [&](int index) {
        if (AfxCharLength(text, length, index) == 1)
            change(text + index, 1);
        return false;
    });
}

void CString::MakeUpper() {
    ChangeSingleByteCase(m_pchData, m_nDataLength, CharUpperBuffA);
}

void CString::MakeLower() {
    ChangeSingleByteCase(m_pchData, m_nDataLength, CharLowerBuffA);
}

int CString::Replace(char oldChar, char newChar) {
    if (oldChar == newChar || newChar == '\0')
        return 0;
    int count = 0;
    WalkCharacters(m_pchData, m_nDataLength, 0, [&](int index) {
        if (m_pchData[index] == oldChar && AfxCharLength(m_pchData, m_nDataLength, index) == 1) {
            m_pchData[index] = newChar;
            ++count;
        }
        return false;
    });
    return count;
}

int CString::Replace(const char* oldText, const char* newText) {
    int oldLength = TextLength(oldText);
    if (oldLength == 0)
        return 0;
    int newLength = TextLength(newText);
    // Built aside and swapped in at the end, so a failure leaves the text as it was.
    CString result;
    int count = 0, copied = 0, index = 0;
    while ((index = Find(oldText, index)) >= 0) {
        result.Append(m_pchData + copied, index - copied);
        result.Append(newText, newLength);
        index += oldLength;
        copied = index;
        ++count;
    }
    if (count == 0)
        return 0;
    result.Append(m_pchData + copied, m_nDataLength - copied);
    *this = result;
    return count;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    if (format == nullptr) {
        Empty();
        return;
    }
    // The C locale for numbers, whatever locale the host process has set.
    static _locale_t classic = _create_locale(LC_ALL, "C");
    va_list sizing;
    va_copy(sizing, args);
    int length = _vscprintf_l(format, classic, sizing);
    va_end(sizing);
    if (length < 0) {
        Empty();
        return;
    }
    CString result;
    char* buffer = result.GetBuffer(length);
    _vsnprintf_l(buffer, length + 1, format, classic, args);
    result.ReleaseBuffer(length);
    *this = result;
}

BOOL CString::LoadString(UINT id) {
    char buffer[256];
    int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    if (length <= 0) {
        Empty();
        return FALSE;
    }
    Assign(buffer, length);
    return TRUE;
}
