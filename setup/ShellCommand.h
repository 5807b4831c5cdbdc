// "/shell /Name" command lines: one command of the system shell, performed through the shell's
// automation object.
#pragma once

#include <windows.h>

#include <string>

// Longest command name (the name buffer holds 32 bytes with its zero).
constexpr size_t kMaxShellCommandName = 31;

// Whether the command line asks for a shell command at all ("/shell " and at least one more
// character, ignoring case); otherwise setup runs. name receives the command name when the rest is
// blanks, '/' and a name of at most 31 characters, else it is left empty (nothing to do).
bool ParseShellCommandLine(const char* commandLine, std::string& name);

// Performs the named command (compared ignoring case) and gives the shell's answer; an unknown
// name gives E_INVALIDARG without asking the shell. Nothing is shown either way.
HRESULT PerformShellCommand(const std::string& name);
