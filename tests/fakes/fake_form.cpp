#include "fake_form.h"

void FakeForm::setText(const QString& control, const QString& text) {
    texts[control] = text;
    writes << QStringLiteral("%1='%2'").arg(control, text);
}

void FakeForm::fill(const QStringList& controls, const QStringList& values) {
    for (qsizetype i = 0; i < controls.size() && i < values.size(); ++i)
        texts[controls[i]] = values[i];
}
