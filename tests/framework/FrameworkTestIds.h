// Resource ids shared by the framework test program and its resource file.
#pragma once

#define IDS_GREETING 100
// 260 characters: longer than a loaded string may be.
#define IDS_LONG 101
#define IDS_ABSENT 199

#define IDD_SERVICE 200
#define IDD_ABSENT 299
#define IDC_PROGRAM 1001
#define IDC_TRANID 1003
#define IDC_LOGIN 1000
#define IDC_JOIN 1007
