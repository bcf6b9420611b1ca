#include "rehearsal.h"

#include "field_map.h"
#include "main_form.h"
#include "platform.h"
#include "prediction.h"
#include "program_state.h"
#include "results_view.h"

#include <QHash>

namespace {

class UnseenForm : public Form {
public:
    QString text(const QString& control) const override { return texts.value(control); }
    void setText(const QString& control, const QString& text) override { texts[control] = text; }
    void setFocus(const QString&) override {}
    void returnFocus(const QString&) override {}

private:
    QHash<QString, QString> texts;
};

// A rehearsal of draws that predict asks nothing; should one ask, it is answered with a cancel.
class UnseenDialogs : public Dialogs {
public:
    Answer message(const QString&, const QString&, MessageIcon, MessageButtons) override {
        return Answer::Cancel;
    }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return {}; }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return {}; }
};

class UnseenShell : public Shell {
public:
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
    void endProgram(int) override {}
};

// Three draws of distinct numbers, 1, 2, 3 ... row by row, and a four-digit draw number: every
// digit turns up in the numbers, the sums and the header.
void typeDraws(const GameProfile& profile, Form& form) {
    const QStringList boxes = allNumberBoxes(profile);
    for (qsizetype k = 0; k < boxes.size(); ++k)
        form.setText(boxes[k], QString::number(k + 1));
    form.setText(drawNumberBoxOfRow(1), QStringLiteral("1234"));
}

} // namespace

void rehearsePrediction(const GameProfile& profile, Surface& surface) {
    UnseenForm form;
    UnseenDialogs dialogs;
    UnseenShell shell;
    ProgramState state;
    MainForm mainForm{profile, form, surface, dialogs, shell, state};
    typeDraws(profile, form);
    BUTTON5_ON(mainForm);
    BUTTON6_ON(mainForm);
}
