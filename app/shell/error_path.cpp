#include "error_path.h"

#include "platform.h"

namespace {
constexpr int kFailureStatus = 1;
}

void generalErrorPath(Dialogs& dialogs, Shell& shell) {
    dialogs.message(GeneralErrorCaption, GeneralErrorText, MessageIcon::Stop, MessageButtons::Ok);
    shell.endProgram(kFailureStatus);
}
