#pragma once
// Resource numbers shared by the resource script and the code that loads them.
#define IDI_AMBLER 1
