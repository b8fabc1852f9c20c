#pragma once
// The program's web page, in one place.

inline constexpr const char* kWebPageHost = "ambler.example.org";
inline constexpr const char* kWebPageAddress = "https://ambler.example.org/";
