#include "CommandEnumeration.h"

#include "AfxGuard.h"
#include "CListBox.h"
#include "KWiringObject.h"
#include "ServiceProperties.h"

int EnumerateCommands(HWND componentWindow, HWND listBoxWindow) {
    CKWiringObject component(componentWindow);
    BOOL async = cics::ReadFlag(component, cics::ASYNC);
    BOOL transaction = cics::ReadFlag(component, cics::TRANSACTION);
    BOOL autoStart = cics::ReadFlag(component, cics::AUTOSTART);

    // Attached for this call only, however it ends: the list box stays the host's.
    CListBox listBox;
    listBox.Attach(listBoxWindow);
    struct Detach {
        CListBox& box;
        ~Detach() { box.Detach(); }
    } detach{listBox};
    listBox.ResetContent();
    int count = 0;
    if (transaction) {
        listBox.AddString("Commit");
        listBox.AddString("Abort");
        count = 2;
        if (!autoStart) {
            listBox.AddString("Start");
            ++count;
        }
    } else {
        listBox.AddString("Invoke");
        count = 1;
    }
    if (async) {
        listBox.AddString("Get Reply");
        listBox.AddString("Get Reply Wait");
        count += 2;
    }
    return count;
}

extern "C" int DSEnumCommands(HWND component, HWND listBox) {
    return AfxGuard(0, [&] { return EnumerateCommands(component, listBox); });
}
