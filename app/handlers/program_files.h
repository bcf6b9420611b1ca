#pragma once

#include <QString>
#include <string_view>

struct ProgramState;

// The files that ship with the programs (the help document, the user guide, the sibling
// programs) are taken from the running program's own folder and from nowhere else: a file of the
// same name in the current directory, or on the search path, may be anyone's, and the current
// directory is the program's folder only when it was started from there.

// Native path of the file in the program's folder; empty when it is not there, or when the
// program's folder is not known.
QString findProgramFile(const ProgramState& state, const QString& fileName);

// The program's folder as a message names it: native, without a trailing separator.
QString programFolderText(const ProgramState& state);

// A program's file name as the platform names executables ("RK6KLVN", "RK6KLVN.exe").
QString executableName(std::string_view programName);
