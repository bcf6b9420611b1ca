#pragma once

#include <QString>

struct MainForm;
class FieldCycle;

// The folder part of a path, up to and including its last separator.
QString folderOf(const QString& path);

// The program's own part of start-up, after the window's controls exist: clears
// PredictionShown, works out the program's folder and its data folder from the program's own
// path, and draws the base screen.
void startUp(MainForm& form, const QString& programPath);

// The window was activated again, or its empty surface was clicked: the focus goes back to the
// cycle field used last.
void MAINFORM_SETFOCUS(MainForm& form, const FieldCycle& cycle);
