#pragma once
// Resource numbers shared by the resource script and the code that shows them.
#define IDI_AMBLER 1
#define IDB_LOGO 2
#define IDB_PIN_OFF 10
#define IDB_PIN_ON 11
#define IDB_DESKTOP 20
#define IDB_DESKTOP_GREY 21
#define IDB_STARTMENU 22
#define IDB_STARTMENU_GREY 23
