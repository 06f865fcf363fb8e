#pragma once
// Resource numbers shared by the .rc file and the code.
#define IDI_APP 1
#define IDI_LOCK 2
#define IDI_ABOUT 3  // the about window's 48 x 48 icon
