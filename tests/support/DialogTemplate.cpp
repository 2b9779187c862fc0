#include "DialogTemplate.h"

#include <cstring>

namespace {
class Reader {
public:
    Reader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}
    bool ok() const { return m_ok; }

    WORD Word() {
        WORD value = 0;
        Bytes(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Bytes(&value, sizeof value);
        return value;
    }
    // A name or ordinal field: 0, 0xFFFF followed by an ordinal, or a UTF-16 string.
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        m_pos -= 2;
        return String();
    }
    std::string String() {
        std::string text;
        for (WORD c = Word(); m_ok && c != 0; c = Word())
            text += c < 0x80 ? static_cast<char>(c) : '?';
        return text;
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~3u; }

private:
    void Bytes(void* out, DWORD count) {
        if (m_pos + count > m_size) {
            m_ok = false;
            return;
        }
        std::memcpy(out, m_data + m_pos, count);
        m_pos += count;
    }
    const BYTE* m_data;
    DWORD m_size;
    DWORD m_pos = 0;
    bool m_ok = true;
};
} // namespace

bool ParseDialogTemplate(const void* data, DWORD size, DialogTemplate& out) {
    Reader r(static_cast<const BYTE*>(data), size);
    out.style = r.Dword();
    r.Dword(); // extended style
    WORD count = r.Word();
    out.x = r.Word();
    out.y = r.Word();
    out.cx = r.Word();
    out.cy = r.Word();
    if (HIWORD(out.style) == 0xFFFF) // an extended template: not what we read
        return false;
    r.NameOrOrdinal(); // menu
    r.NameOrOrdinal(); // class
    out.caption = r.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = r.Word();
        out.faceName = r.String();
    }
    out.controls.clear();
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.AlignDword();
        DialogControl c;
        c.style = r.Dword();
        r.Dword(); // extended style
        c.x = r.Word();
        c.y = r.Word();
        c.cx = r.Word();
        c.cy = r.Word();
        c.id = static_cast<short>(r.Word());
        c.className = r.NameOrOrdinal();
        c.text = r.NameOrOrdinal();
        WORD extra = r.Word();
        for (WORD b = 0; b < extra; ++b)
            r.Word();
        out.controls.push_back(c);
    }
    return r.ok();
}
