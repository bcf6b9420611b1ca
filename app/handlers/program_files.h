#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

struct ProgramState;

// The files that ship with the programs (the help document, the sibling programs) are looked for
// beside the running program first and then in the current directory, so that they are found
// however the program was started. Folders come back native and without a trailing separator,
// each once.
QStringList searchFolders(const ProgramState& state);

// Native path of the first file of that name in the search folders; empty when there is none.
QString findProgramFile(const ProgramState& state, const QString& fileName);

// A program's file name as the platform names executables ("RK6KLVN", "RK6KLVN.exe").
QString executableName(std::string_view programName);

// The search folders as indented lines, for a message that says where a file was looked for.
QString searchFolderLines(const ProgramState& state);
