#include "AfxCodePage.h"

namespace {
UINT g_codePage = 0;
}

UINT AfxGetAnsiCodePage() {
    return g_codePage != 0 ? g_codePage : GetACP();
}

void AfxSetAnsiCodePage(UINT codePage) {
    g_codePage = codePage;
}

int AfxCharLength(const char* text, int length, int index) {
    if (index + 1 < length &&
        IsDBCSLeadByteEx(AfxGetAnsiCodePage(), static_cast<BYTE>(text[index])))
        return 2;
    return 1;
}
