// The property vocabulary of the CICS components.  Every value is a text
// stored with its terminating zero; an absent property reads as empty.  A
// flag is on exactly when its value is the three bytes "YES" (case matters):
// "yes", "Yes", "NO", empty and absent are all off.  A component whose
// TRANSACTION flag is on is a Transaction Service, any other a Program Service.
#pragma once

#include "KString.h"

class CKWiringObject;

namespace cics {

const char DATASOURCE[] = "DATASOURCE";
const char TRANSACTION[] = "TRANSACTION";
const char PROGRAM[] = "PROGRAM";
const char SYSTEM[] = "SYSTEM";
const char TRANID[] = "TRANID";
const char LOGINREQUIRED[] = "LOGINREQUIRED";
const char JOINTRAN[] = "JOINTRAN";
const char ASYNC[] = "ASYNC";
const char AUTOSTART[] = "AUTOSTART";
const char DSITEMS[] = "DSITEMS";
const char SYMBOLNAME[] = "SYMBOLNAME";
const char CMDID[] = "CMDID";

const char FLAG_ON[] = "YES";
const char FLAG_OFF[] = "NO";

inline BOOL IsFlagOn(const CString& value) { return value == FLAG_ON; }
inline const char* FlagText(BOOL on) { return on ? FLAG_ON : FLAG_OFF; }

// Reads the flag of the component (off when absent).
BOOL ReadFlag(CKWiringObject& component, const char* key);
BOOL IsTransactionService(CKWiringObject& component);

} // namespace cics
