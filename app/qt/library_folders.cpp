#include "library_folders.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void restrictLibraryFolders() {
#ifdef Q_OS_WIN
    // Failing, it leaves Windows' usual order, which still looks in the program's folder first:
    // nothing to tell the player about.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
#endif
}
