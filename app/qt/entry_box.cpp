#include "entry_box.h"

#include "entry_rule.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>

namespace {

bool isTypedText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!c.isPrint())
            return false;
    }
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// QLineEdit's own menu texts, in the language of Qt's translations that the program loaded.
QString lineEditText(const char* text) {
    return QCoreApplication::translate("QLineEdit", text);
}

} // namespace

EntryBox::EntryBox(int typingLimit, QWidget* parent) : QLineEdit(parent), limit(typingLimit) {
    // Edit boxes of the window take no drops; the text arrives by typing and pasting only.
    setAcceptDrops(false);
}

void EntryBox::selectWholeText() {
    const auto length = static_cast<int>(text().size());
    setSelection(length, -length);
}

bool EntryBox::insertChecked(const QString& inserted) {
    if (isReadOnly())
        return false;
    const std::optional<QString> accepted =
        acceptedInsertion(text(), selectedText().size(), inserted, limit);
    if (!accepted)
        return false;
    insert(*accepted);
    return true;
}

void EntryBox::pasteChecked() {
    insertChecked(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

// The X11 middle-button paste inserts the primary selection at the caret, which the press has
// put where the button went down.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        insertChecked(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Drops are refused even where Qt hands one to the box regardless of acceptDrops.
void EntryBox::dragEnterEvent(QDragEnterEvent* event) {
    event->ignore();
}
void EntryBox::dragMoveEvent(QDragMoveEvent* event) {
    event->ignore();
}
void EntryBox::dropEvent(QDropEvent* event) {
    event->ignore();
}

// QLineEdit drops the selection when another control takes the focus; the box keeps it, the
// caret at the same end.
void EntryBox::focusOutEvent(QFocusEvent* event) {
    const int start = selectionStart();
    const auto length = static_cast<int>(selectedText().size());
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (length == 0 || hasSelectedText())
        return;
    if (caretAtStart)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the menu as the Menu key does, which Qt leaves to the platform: the X11
    // one does not.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint caret = cursorRect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, caret, mapToGlobal(caret));
        contextMenuEvent(&menuEvent);
        event->accept();
        return;
    }
    if (event == QKeySequence::Paste) {
        pasteChecked();
        event->accept();
        return;
    }
    if (isTypedText(event)) {
        insertChecked(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event) {
    composition = !event->preeditString().isEmpty();
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The committed text replaces the selection like typed text does, and obeys the same rules.
    const std::optional<QString> accepted =
        acceptedInsertion(text(), selectedText().size(), event->commitString(), limit);
    QInputMethodEvent checked(event->preeditString(), event->attributes());
    checked.setCommitString(accepted.value_or(QString()), event->replacementStart(),
                            event->replacementLength());
    QLineEdit::inputMethodEvent(&checked);
}

// The box builds its menu itself, with the entries and texts of QLineEdit's own menu, so that
// its paste goes through the same check as a pasting key.
void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selection = hasSelectedText();
    if (editable) {
        addMenuAction(*menu, lineEditText("&Undo"), QKeySequence::Undo, isUndoAvailable(),
                      &QLineEdit::undo);
        addMenuAction(*menu, lineEditText("&Redo"), QKeySequence::Redo, isRedoAvailable(),
                      &QLineEdit::redo);
        menu->addSeparator();
        addMenuAction(*menu, lineEditText("Cu&t"), QKeySequence::Cut, selection, &QLineEdit::cut);
    }
    addMenuAction(*menu, lineEditText("&Copy"), QKeySequence::Copy, selection, &QLineEdit::copy);
    if (editable) {
        const bool clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
        addMenuAction(*menu, lineEditText("&Paste"), QKeySequence::Paste, clipboardHasText,
                      &EntryBox::pasteChecked);
        addMenuAction(*menu, lineEditText("Delete"), QKeySequence::UnknownKey, selection,
                      &QLineEdit::del);
    }
    menu->addSeparator();
    const bool allSelected = selectedText().size() == text().size();
    addMenuAction(*menu, lineEditText("Select All"), QKeySequence::SelectAll,
                  !text().isEmpty() && !allSelected, &QLineEdit::selectAll);
    if (menuFoot) {
        menu->addSeparator();
        menuFoot(*menu);
    }
    menu->popup(event->globalPos());
}

// Like QLineEdit's menu, an entry shows its key after a tab where the desktop wants that.
template <typename Slot>
void EntryBox::addMenuAction(QMenu& menu, const QString& text, QKeySequence::StandardKey key,
                             bool enabled, Slot slot) {
    QString caption = text;
    const QKeySequence sequence(key);
    if (!sequence.isEmpty() && QGuiApplication::styleHints()->showShortcutsInContextMenus())
        caption += u'\t' + sequence.toString(QKeySequence::NativeText);
    QAction* action = menu.addAction(caption);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, slot);
}
