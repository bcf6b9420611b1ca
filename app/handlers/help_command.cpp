#include "commands.h"

#include "fault_notice.h"
#include "main_form.h"
#include "profile_text.h"
#include "program_files.h"

#include <QStringList>

namespace {

// The HTML user guide installed beside the programs (app/help/). It stands in for the help
// document where that is absent or where the platform has no viewer for it.
const QString kUserGuide = QStringLiteral("RKM67KV.html");

QString missingText(const QStringList& names, const ProgramState& state) {
    return QStringLiteral("ヘルプ文書 %1 が見つかりません。\n探した場所:\n  %2")
        .arg(names.join(QStringLiteral(" / ")), programFolderText(state));
}

QString refusedText(const QStringList& paths) {
    return QStringLiteral("ヘルプ文書を開けませんでした。\n  %1\n"
                          "文書を表示できるアプリケーションがあるか確認してください。")
        .arg(paths.join(QStringLiteral("\n  ")));
}

} // namespace

// The viewer runs on its own; the program does not wait for it. Only the program's own folder is
// looked in: a help document can run scripts, so one planted in the current directory must not be
// opened.
void BUTTON11_ON(MainForm& form) {
    const QStringList names{toQString(form.profile.helpDocument), kUserGuide};
    QStringList refused;
    for (const QString& name : names) {
        const QString path = findProgramFile(form.state, name);
        if (path.isEmpty())
            continue;
        if (form.shell.openDocument(path))
            return;
        refused << path;
    }
    showFault(form, refused.isEmpty() ? missingText(names, form.state) : refusedText(refused));
}
