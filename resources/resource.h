// Identifiers of the module's own resources and of the controls in its dialogs.
#pragma once

#define IDB_PALETTE 131
#define IDI_COMPONENT 132
#define IDD_PROGRAM_SERVICE 138
#define IDD_TRANSACTION_SERVICE 145

// Controls of the two property dialogs.
#define IDC_LOGIN_REQUIRED 1000 // program service
#define IDC_AUTO_START 1000     // transaction service
#define IDC_PROGRAM 1001
#define IDC_SYSTEM 1002
#define IDC_TRAN_ID 1003
#define IDC_ASYNC 1004
#define IDC_JOIN_TRAN 1007

// The module's description, as the IDE and Explorer show it.
#define KORVAL_DESCRIPTION "Cics Datasource ZarvoObject DLL"
