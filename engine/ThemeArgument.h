#pragma once
// The engine's one command-line argument: the path of a theme file. Plain
// functions over text.

#include <cstddef>

// What follows the program name: the text after the first blank outside
// double quotes, or the empty text at the end.
const wchar_t* CommandLineArguments(const wchar_t* commandLine);

// The theme argument in the arguments: leading blanks and double quotes
// skipped, trailing blanks stripped, one closing quote cut, blanks stripped
// again. False when nothing is left or it does not fit in outChars (with its
// terminator); out is then empty.
bool ParseThemeArgument(const wchar_t* arguments, wchar_t* out, size_t outChars);

// The path ends in ".trivane" or ".pvlttheme" (any case) after at least one
// more character.
bool HasThemeExtension(const wchar_t* path);
