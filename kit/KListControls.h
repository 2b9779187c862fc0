// Filling list boxes and combo boxes with texts: redrawing is switched off
// while the strings go in and on once at the end.
#pragma once

#include "CComboBox.h"
#include "CListBox.h"
#include "CObList.h"
#include "CStringList.h"

int FillComboBoxWithNames(CComboBox* box, CStringList& names, BOOL reset);
int FillListBoxWithNames(CListBox* box, CStringList& names, BOOL reset);

// The listing texts of kit items: the name, or the short kind name, a tab and the name.
int GetObjectNames(CObList& objects, CStringList& names, BOOL namesOnly);
int FillComboBoxWithObjects(CComboBox* box, CObList& objects, BOOL reset);
int FillListBoxWithObjects(CListBox* box, CObList& objects, BOOL namesOnly, BOOL reset);
