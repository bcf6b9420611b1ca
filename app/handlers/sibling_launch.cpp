#include "commands.h"

#include "fault_notice.h"
#include "main_form.h"
#include "program_files.h"

#include <string_view>

namespace {

constexpr int kNormalExit = 0;

QString missingText(const QString& program, const ProgramState& state) {
    return QStringLiteral("%1 が見つからないため、切り替えられません。\n探した場所:\n  %2")
        .arg(program, programFolderText(state));
}

QString refusedText(const QString& path) {
    return QStringLiteral("%1 を起動できませんでした。").arg(path);
}

// This program ends only once the sibling runs, so a failed switch loses nothing typed. The
// sibling is taken from this program's folder alone and starts there, so that it finds its data
// folder and its own siblings however this program was started.
void switchTo(MainForm& form, std::string_view sibling) {
    const QString program = executableName(sibling);
    const QString path = findProgramFile(form.state, program);
    if (path.isEmpty()) {
        showFault(form, missingText(program, form.state));
        return;
    }
    if (!form.shell.startProgram(path, programFolderText(form.state))) {
        showFault(form, refusedText(path));
        return;
    }
    form.shell.endProgram(kNormalExit);
}

} // namespace

void BUTTON12_ON(MainForm& form) {
    switchTo(form, form.profile.sibling1Program);
}
void BUTTON13_ON(MainForm& form) {
    switchTo(form, form.profile.sibling2Program);
}
