/* Ambler's version, the one place it is stated: the resource script, the
   program and the build all take it from here. Plain C, for the resource
   compiler. */
#pragma once
#define AMBLER_VERSION_MAJOR 1
#define AMBLER_VERSION_MINOR 4
#define AMBLER_VERSION_TEXT "1.4"
