// A form with two CICS components whose properties each test sets as it needs.
#pragma once

const char kCicsForm[] =
    "Application App\n"
    "  FormWindow frmMain\n"
    "    Contents\n"
    "      CustomControl cics1\n"
    "        =287 \"ZCicsDataSource\"\n"
    "      CustomControl cics2\n"
    "        =287 \"ZCicsDataSource\"\n";
