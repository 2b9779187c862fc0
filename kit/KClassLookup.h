// Class derivation through the application's class definitions: a class
// definition (an entry of the class-definitions section) lists the names of
// its base classes in its base-classes section, and each name is looked up
// among the application's class definitions again.
#pragma once

#include "KItem.h"

// The application item of the outline (the first child of its root, kind 29);
// the out object is invalid when the outline has none.
BOOL FindApplicationItem(HOUTLINE outline, CKItem& application);

// Whether the class definition derives from the named class, directly or
// through other classes of the application.  A base that cannot be found ends
// the search with 0; a class met a second time (a cycle of base lists) is not
// searched again, so every search ends.
BOOL ClassDerivesFrom(CKItem& classDefinition, const char* className);
