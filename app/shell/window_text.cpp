#include "window_text.h"

#include "field_map.h"
#include "main_form.h"
#include "profile_text.h"

#include <QStringList>

namespace {

QString boxText(const Form& form, const QString& box) {
    return form.text(box).trimmed();
}

// The numbers of one row, main numbers first; a bonus number follows after "+".
QString rowNumbers(MainForm& form, int row) {
    const QStringList boxes = numberBoxesOfRow(form.profile, row);
    QStringList main;
    QStringList bonus;
    for (qsizetype k = 0; k < boxes.size(); ++k)
        (k < form.profile.MainCount ? main : bonus) << boxText(form.form, boxes[k]);
    QString numbers = main.join(u' ');
    if (!bonus.isEmpty())
        numbers += QStringLiteral(" + ") + bonus.join(u' ');
    return numbers;
}

} // namespace

QStringList drawLines(MainForm& form) {
    QStringList lines;
    for (int row = 1; row <= 3; ++row) {
        const QString drawNumber = boxText(form.form, drawNumberBoxOfRow(row));
        const QString draw =
            drawNumber.isEmpty() ? QString() : QStringLiteral(" 第%1回").arg(drawNumber);
        lines << DrawRowLabels[row - 1] + draw + QStringLiteral(": ") + rowNumbers(form, row);
    }
    return lines;
}

QString keyNumbersLine(MainForm& form) {
    return QStringLiteral("Key数字 表: %1  裏: %2")
        .arg(boxText(form.form, FrontKeyBox), boxText(form.form, BackKeyBox));
}

QStringList candidateListLines(MainForm& form) {
    return {HighListLabel + QStringLiteral(": ") + boxText(form.form, HighListBox),
            LowListLabel + QStringLiteral(": ") + boxText(form.form, LowListBox)};
}

QString windowText(MainForm& form) {
    const QStringList lines = QStringList{toQString(form.profile.title)} + drawLines(form) +
                              QStringList{keyNumbersLine(form)} + candidateListLines(form);
    return lines.join(u'\n') + u'\n';
}
