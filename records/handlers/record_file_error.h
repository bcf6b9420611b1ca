#pragma once

struct MainForm;
struct RecordFileError;

enum class RecordAction { Save, Load };

// Tells the user that a data file could not be saved or loaded, naming the file and the reason.
// The program goes on running; the caller has left the window as it was.
void reportRecordFileError(MainForm& form, RecordAction action, const RecordFileError& error);
