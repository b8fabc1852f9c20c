#pragma once
// Resource numbers shared by the resource script and the code that shows them.
#define IDI_AMBLER 1
#define IDB_LOGO 2
#define IDB_PIN_OFF 10
#define IDB_PIN_ON 11
