// The entry point of a DLL built on the framework: it ties the application
// object to the module's attach and detach.  Static construction has already
// run when attach arrives, and static destruction runs after detach.
#include <windows.h>

#include "AfxModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(module);
        return AfxDllAttach(module);
    case DLL_PROCESS_DETACH:
        AfxDllDetach();
        break;
    }
    return TRUE;
}
