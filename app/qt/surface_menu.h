#pragma once

#include "remembered_results.h"

class QMenu;
class QPoint;
class QWidget;
struct MainForm;

// The menu of the window's empty surface: the window's text, or its text and its picture, to the
// clipboard; 「照合」, the check of the pyramids against the player's draw history; and
// 「結果から入力」, the newest draws of results files or of text copied from a results page put
// into the rows. It keeps the results files chosen in each data folder while the program runs.
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
    // 「結果から入力」 from the results files 「照合」 uses in this data folder, from files
    // picked now, or from the clipboard's text.
    void enterFromRememberedFiles();
    void enterFromPickedFiles();
    void enterFromClipboard();

private:
    MainForm& form;
    QWidget& window;
    RememberedResults remembered;
};
