// Expanding environment references ("%TEMP%\work") in paths kept in the settings file.
#pragma once

#include <string>

// Longest variable value that a reference is replaced with.
constexpr size_t kMaxEnvironmentValueChars = 128;

// Replaces each name enclosed in percent signs by that environment variable's value. A reference
// to an unknown variable, or to one whose value is longer than kMaxEnvironmentValueChars, stays as
// written. Double-byte characters are copied whole.
std::string ExpandEnvironmentReferences(const std::string& text);
