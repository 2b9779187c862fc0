#include "KFactory.h"

#include "KItem.h"

IMPLEMENT_DYNAMIC(CKFactory, CKObject)

CKItem* CKFactory::CreateItem(CKItem& item) { return CreateItem(item.m_hOutline, item.m_hItem); }

// The one table from item kinds to kit classes.  The window, code-item and
// class-definition classes are not part of the kit yet, so every kind is
// made a plain item; each class takes its kinds here when it is added.
CKItem* CKFactory::CreateItem(HOUTLINE outline, HITEM item) {
    switch (HostGetItemKind(outline, item)) {
    default:
        return new CKItem(outline, item);
    }
}

CKFactory* GetItemFactory() { return new CKFactory; }
