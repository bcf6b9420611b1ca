#pragma once

#include "form.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The window's boxes as a map of texts; remembers where the focus was put last.
class FakeForm : public Form {
public:
    QString text(const QString& control) const override { return texts.value(control); }
    void setText(const QString& control, const QString& text) override;
    void setFocus(const QString& control) override { focused = control; }
    void returnFocus(const QString& control) override { returned = control; }

    // Fills the boxes in order from a list of texts.
    void fill(const QStringList& controls, const QStringList& values);

    QMap<QString, QString> texts;
    QString focused;    // where the program moved the focus last
    QString returned;   // where the focus was given back last
    QStringList writes; // every setText, as "EDIT3=' 5'"
};
