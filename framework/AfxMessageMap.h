// Message maps: a window class lists the messages it handles in a static
// table that names its base class's table.  A message is looked up in the
// class's own table first and then in its bases' tables; a class whose table
// has no entries of its own thus sends every message to its base.
#pragma once

#include <windows.h>

class CWnd;

// The handler kinds a table entry can name.
enum AfxSig {
    AfxSig_end = 0,
    // void Handler(): WM_COMMAND from a control or menu item with the entry's id.
    AfxSig_vv,
};

typedef void (CWnd::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode; // notification code, for WM_COMMAND
    UINT nID;   // control id, for WM_COMMAND
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        [[maybe_unused]] typedef theClass ThisClass;                                               \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, AfxSig_end, nullptr }                                                               \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, &entries[0]};                 \
    return &map;                                                                                   \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, 0, static_cast<UINT>(id), AfxSig_vv,                                              \
     static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(&ThisClass::memberFxn))},
