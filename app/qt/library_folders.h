#pragma once

// Restricts where Windows looks for the libraries the program loads from now on (Qt's plugins and
// whatever they and Windows itself load) to the program's own folder and the system folder: never
// the current directory or the folders of PATH, where a planted library of a known name would be
// taken. Does nothing elsewhere. Called first thing, before Qt loads anything.
void restrictLibraryFolders();
