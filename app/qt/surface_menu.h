#pragma once

class QMenu;
class QPoint;
class QWidget;
struct MainForm;

// The menu of the window's empty surface: the window's text, or its text and its picture, to the
// clipboard, and 「照合」, the check of the pyramids against the player's draw history.
class SurfaceMenu {
public:
    SurfaceMenu(MainForm& form, QWidget& window) : form(form), window(window) {}

    void open(const QPoint& globalPos);
    // The menu's commands, also offered at the foot of the edit boxes' menus, where the keyboard
    // reaches them.
    void addCommands(QMenu& menu);
    void copyText();
    void copyTextAndPicture();
    // A modal dialog that only reads: nothing of the window or its files changes.
    void showBacktest();

private:
    MainForm& form;
    QWidget& window;
};
