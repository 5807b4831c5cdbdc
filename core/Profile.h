#pragma once

#include <string>
#include <vector>

// Private-profile access to the settings file that the application object
// names (AfxGetApp()->GetProfileName()). Nothing here truncates: strings and
// sections are read through buffers that grow until the whole text fits.

// The lines ("key=value") of a section, in file order; empty when the section
// is missing.
std::vector<std::string> ProfileReadSection(const char* section);

// The names of every section in the file, in file order.
std::vector<std::string> ProfileReadSectionNames();

// Replaces the whole section with lines (each "key=value", no line breaks).
// An empty list leaves the section empty. False when the file was not written.
bool ProfileWriteSection(const char* section, const std::vector<std::string>& lines);

// A decimal integer; defaultValue when the key is absent or not a number.
// Values up to 4294967295 are accepted and wrap, so unsigned colour values
// written as "%u" read back unchanged.
int ProfileReadInt(const char* section, const char* key, int defaultValue);

// The whole string, however long; defaultValue when the key is absent.
std::string ProfileReadString(const char* section, const char* key, const char* defaultValue);

// False when the file was not written. Line breaks in value become spaces so
// that a value can never inject keys or sections into the file.
bool ProfileWriteString(const char* section, const char* key, const char* value);
bool ProfileWriteInt(const char* section, const char* key, int value);

// Reads a decimal integer the way the settings file stores it: optional
// blanks and sign, then digits; anything after the digits is ignored. False
// when there are no digits or the number does not fit 32 bits (signed or
// unsigned).
bool ParseProfileInt(const char* text, int* value);
