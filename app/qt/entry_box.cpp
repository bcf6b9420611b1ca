#include "entry_box.h"

#include "entry_rule.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

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

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &EntryBox::pasteChecked);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
