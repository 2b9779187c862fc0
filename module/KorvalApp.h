// The module's application object: loads the component's icon and palette
// bitmap and registers its window class when the module is attached.
#pragma once

#include "CWinApp.h"

class CKorvalApp : public CWinApp {
public:
    CKorvalApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
};
