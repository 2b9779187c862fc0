// The small application outline most kit tests work on.
#pragma once

const char kSampleOutline[] =
    "Application Sample\n"
    "  =63 \"The sample application\"\n"
    "  FormWindow frmOrders\n"
    "    @\"SOURCE\" \"cics1\\0\"\n"
    "    Title Orders of the day\n"
    "    Contents\n"
    "      DataField dfCustNo\n"
    "      PushButton pbInvoke\n"
    "    MessageActions\n"
    "      On DVM_Create\n"
    "        ! generated code\n"
    "        Set nCount = nCount + 1\n"
    "        Call SalMessageBox('nCount', 0, 0)\n"
    "      On SAM_Click\n"
    "  FormWindow frmLocked\n"
    "    #protected\n";
