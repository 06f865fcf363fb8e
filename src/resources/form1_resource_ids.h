#pragma once
// Resource numbers of the main window's pictures, shared by form1.rc and the window's code.
#define IDB_FORM1_SMALL_ICONS 402
#define IDI_FORM1_ARROW_DOWN 403
#define IDI_FORM1_ARROW_UP 404
