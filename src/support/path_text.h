#pragma once
// Small text routines for taking paths apart, putting separators and quotes on
// them, and replacing text inside lines of configuration files. Both "\" and
// "/" are separators; a blank is the space character and nothing else.

#include <string>
#include <string_view>

// Removes blanks (and nothing else) at both ends.
std::string Trim(std::string_view text);

bool Contains(std::string_view text, std::string_view part);

// The part after the last separator ("\" when the path holds one, else "/").
std::string ExtractFileName(const std::string& path);

// The part up to and including the last separator, trimmed; in a path holding
// both kinds only "/" counts. A path without one comes back as it is.
std::string DirectoryPart(const std::string& path);

// The path with one trailing separator of the kind it already uses; a closing
// double quote stays last.
std::string NormalizeDirectory(std::string path);

// The trimmed path, in double quotes when it holds a blank and no quote yet.
std::string QuotePath(std::string path);

// The trimmed path without one surrounding pair of double quotes.
std::string StripQuotes(std::string path);

// The text without one pair of the same quote character around it, any of quotes.
std::string Unenclosed(std::string_view text, std::string_view quotes = "\"");

// Replaces every occurrence of find in source by replacement. Unless exactCase
// is set, matching ignores case and find is upper-cased in the caller's
// variable. The search resumes one character behind each inserted replacement.
std::string ReplaceText(const std::string& source, std::string& find, const std::string& replacement, bool exactCase);

// A letter or digit, or a byte beyond ASCII (of a character beyond it): a
// path never begins behind one.
bool WordCharacter(char c);

// As ReplaceText ignoring case, but a match counts only where it begins a
// word: where no letter or digit (nor a byte beyond ASCII) stands before it.
// A path never begins inside a word, so TYPE:1 keeps its E: while E:\TC
// beside it is replaced. afterWord: such a character stands before the source.
std::string ReplaceAtWordStart(const std::string& source, std::string& find, const std::string& replacement,
                               bool afterWord = false);

// As ReplaceAtWordStart, but only where the match is a whole path or a path's
// beginning: the text ends behind it or a separator follows, or, without
// separatorBehind, any character but a letter or digit ("E:\TC", "E:\TC\x",
// "E:\TC," but not "E:\TC2"; with separatorBehind "E:\x" but not "h:mm").
std::string ReplacePathStart(const std::string& source, std::string find, const std::string& replacement,
                             bool separatorBehind);
