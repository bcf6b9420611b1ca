#pragma once

#include <QKeySequence>
#include <QLineEdit>

#include <functional>

class QMenu;

// An edit box of the window. What the user types, pastes (by keys, by the context menu or by
// the middle mouse button) or confirms through the input method is held to digits and to the
// box's limit (entry_rule.h); dropped text is refused. Texts that the program sets are kept
// whole, which is why the limit is not QLineEdit's maximum length (that one also cuts setText).
// Like the edit boxes of the platform the programs first ran on, a box keeps its selection
// shown when it loses the focus.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    EntryBox(int typingLimit, QWidget* parent);

    int typingLimit() const { return limit; }
    // An input-method composition is in progress in this box.
    bool composing() const { return composition; }
    // Selects the whole text with the caret at its start, so that typing replaces it and a long
    // text still shows its beginning.
    void selectWholeText();
    // Commands of the window that the box's context menu offers below its own entries.
    void setMenuFoot(std::function<void(QMenu&)> addCommands) { menuFoot = std::move(addCommands); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool insertChecked(const QString& inserted);
    void pasteChecked();
    template <typename Slot>
    void addMenuAction(QMenu& menu, const QString& text, QKeySequence::StandardKey key,
                       bool enabled, Slot slot);

    int limit;
    bool composition = false;
    std::function<void(QMenu&)> menuFoot;
};
