#pragma once

#include <QString>
#include <QStringList>

struct MainForm;

// The window's text as the copy command puts it on the clipboard: the title, the three draws
// with their draw numbers, the two key numbers and the two candidate lists, one item a line.
QString windowText(MainForm& form);

// Its parts, which the picture's text for screen readers shares: the three draws, the key
// numbers, the two candidate lists.
QStringList drawLines(MainForm& form);
QString keyNumbersLine(MainForm& form);
QStringList candidateListLines(MainForm& form);
