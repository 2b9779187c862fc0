// The seam through which a test plays the user of a modal dialog.  When a
// driver is set, CDialog::DoModal calls it once the dialog is up (its
// controls initialised and its modal loop running), from inside that loop;
// the driver works the real controls with real messages and ends the dialog
// by pressing a button.  A dialog still open when the driver returns is ended
// with IDABORT, so that a faulty script fails instead of hanging.
#pragma once

#include <windows.h>

typedef void (*AfxModalDialogDriver)(HWND dialog, void* context);

// Null removes the driver.
void AfxSetModalDialogDriver(AfxModalDialogDriver driver, void* context);
// Called by the dialog once it is up; TRUE when a driver ran.
BOOL AfxRunModalDialogDriver(HWND dialog);
