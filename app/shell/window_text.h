#pragma once

#include <QString>

struct MainForm;

// The window's text as the copy command puts it on the clipboard: the title, the three draws
// with their draw numbers, the two key numbers and the two candidate lists, one item a line.
QString windowText(MainForm& form);
