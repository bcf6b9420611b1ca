#pragma once

#include <QLineEdit>

// An edit box of the window. What the user types, pastes or confirms through the input method
// is held to digits and to the box's limit (entry_rule.h); texts that the program sets are kept
// whole, which is why the limit is not QLineEdit's maximum length (that one also cuts setText).
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    EntryBox(int typingLimit, QWidget* parent);

    int typingLimit() const { return limit; }
    // An input-method composition is in progress in this box.
    bool composing() const { return composition; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool insertChecked(const QString& inserted);
    void pasteChecked();

    int limit;
    bool composition = false;
};
