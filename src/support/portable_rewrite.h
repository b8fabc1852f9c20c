#pragma once
// The portable rewrite of one value: Total Commander's directory becomes
// %COMMANDER_PATH%, then its drive %COMMANDER_DRIVE%, ignoring case, and only
// where a path can begin (not inside a word).

#include <string>
#include <string_view>

#include "platform/text_file.h"

// The drive of a directory ("E:" of "E:\TC"), or empty text when it has none
// (a network share).
std::string DriveOf(const std::string& directory);

// directory is Total Commander's, without its trailing separator.
std::string PortableValue(const std::string& value, const std::string& directory);

// One line of a file being made portable: each search text (ignoring case, an
// empty one is skipped) becomes the replacement where a path can begin.
// afterWord: a letter, a digit or a character beyond ASCII stands before it.
std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement,
                        bool afterWord = false);

// One line of a file as the bytes the file holds in its form: what it says is
// rewritten as RewriteLine does, and every byte outside a replacement stays as
// it was. Bytes that decode to no character are copied unchanged.
std::string RewriteFileLine(std::string_view bytes, platform::TextEncoding encoding, const std::string& find1,
                            const std::string& find2, const std::string& replacement);

// Whether the line says one of the (upper-cased) search texts; an empty one
// counts as found in every line that is not empty.
bool LineHolds(std::string_view bytes, platform::TextEncoding encoding, const std::string& upperFind1,
               const std::string& upperFind2);
