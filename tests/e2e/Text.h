// Texts as the programs under test read and write them: code page 932 (the ANSI code page of a
// Japanese system), while the scenarios' sources are UTF-8 and spell Japanese as wide literals.
#pragma once

#include <string>

namespace e2e {

// The code-page-932 bytes of text; empty when it cannot be converted.
std::string Cp932(const wchar_t* text);

}  // namespace e2e
