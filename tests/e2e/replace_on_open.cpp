// Preloaded into a program under test, this stands in for another program that takes a data
// file away at the worst moment: after the file dialog has closed on it, just before the program
// opens it. When the program opens the path named by KELVANE_REPLACE_ON_OPEN while no dialog is
// up, the file there is removed, and where KELVANE_REPLACE_WITH is "folder" an empty folder takes
// its place; then the open goes ahead on whatever is left. Opens while a dialog is up are the
// dialog's own (it reads a few bytes of each file it lists to tell its type) and are left alone.
#include <QApplication>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using OpenFunction = int (*)(const char*, int, ...);

constexpr mode_t kFolderMode = 0755;

bool onMainThread() {
    return gettid() == getpid();
}

bool isWatched(const char* path) {
    const char* watched = std::getenv("KELVANE_REPLACE_ON_OPEN");
    return path && watched && std::strcmp(path, watched) == 0;
}

// Once replaced, the path holds no file or an empty folder, so doing it again changes nothing.
void replaceWatchedFile(const char* path) {
    if (!isWatched(path) || !onMainThread() || QApplication::activeModalWidget())
        return;
    unlink(path);
    const char* with = std::getenv("KELVANE_REPLACE_WITH");
    if (with && std::strcmp(with, "folder") == 0)
        mkdir(path, kFolderMode);
}

// The mode argument is there only when the flags create a file.
mode_t modeArgument(int flags, va_list arguments) {
    const bool creates = (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
    return creates ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

int openReplacing(const char* name, const char* path, int flags, mode_t mode) {
    replaceWatchedFile(path);
    const auto next = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, name));
    return next(path, flags, mode);
}

} // namespace

extern "C" int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return openReplacing("open", path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return openReplacing("open64", path, flags, mode);
}
