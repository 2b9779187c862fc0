#include "ItemEnumeration.h"

#include <cstdlib>
#include <memory>

#include "AfxGuard.h"
#include "DataItemTable.h"
#include "KWiringObject.h"
#include "ServiceProperties.h"
#include "TempMaps.h"

namespace {

// The blank-separated tokens of a DSITEMS value: runs of blanks count as one
// separator; tabs and line ends belong to the tokens.  Past the last token
// every token reads as empty.
class TokenReader {
public:
    explicit TokenReader(const char* text) : m_next(text) {}
    bool AtEnd() {
        SkipBlanks();
        return *m_next == '\0';
    }
    CString Next() {
        SkipBlanks();
        const char* start = m_next;
        while (*m_next != '\0' && *m_next != ' ')
            ++m_next;
        return CString(start, int(m_next - start));
    }

private:
    void SkipBlanks() {
        while (*m_next == ' ')
            ++m_next;
    }
    const char* m_next;
};

// Leading white space, an optional sign, the digits up to the first other
// character; no digits read as 0, and a count beyond int stays at its limit.
long ReadNumber(const CString& token) { return std::strtol(token, nullptr, 10); }

int ClampToInt(long value) {
    return value > 0x7FFFFFFFL ? 0x7FFFFFFF : value < -0x7FFFFFFFL - 1 ? -0x7FFFFFFF - 1 : int(value);
}

} // namespace

int EnumerateDataItems(HWND componentWindow, HOSTSTRARRAY array) {
    CKWiringObject component(componentWindow);
    if (!cics::ReadFlag(component, cics::DATASOURCE) || cics::IsTransactionService(component))
        return 0;

    CKString items;
    component.GetNamedProperty(cics::DSITEMS, items);
    TokenReader tokens(items);
    if (tokens.AtEnd())
        return 0; // no count to read: nothing is offered
    int count = ClampToInt(ReadNumber(tokens.Next()));
    if (count < 0 || !HostResizeStringArray(array, 0, count))
        return 0; // nothing stored, so the caller reads no names back either

    for (int i = 0; i < count; ++i) {
        CKString name = tokens.Next();
        HOSTSTR handle = name.ToHandle();
        if (!HostSetArrayString(array, handle, i))
            HostFreeString(handle); // the array did not take it
        std::unique_ptr<DataItemInfo> info(new DataItemInfo);
        info->input = tokens.Next() == "IN";
        info->string = tokens.Next() == "STR";
        info->length = ClampToInt(ReadNumber(tokens.Next()));
        DataItemTable.SetItem(name, info.release());
    }
    return count;
}

extern "C" int DSEnumItems(HWND component, HOSTSTRARRAY array) {
    CTempMapLock lock; // temporary window objects live until the call ends
    return AfxGuard(0, [&] { return EnumerateDataItems(component, array); });
}
