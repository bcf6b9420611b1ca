#pragma once

class QString;
struct MainForm;

// Tells the user that something the program needs is missing or refused, and lets the program
// run on: nothing the user typed is lost over a missing file.
void showFault(MainForm& form, const QString& text);
