#pragma once

#include "platform.h"

#include <QString>
#include <QStringList>

// The file dialog that picks results files: several at once, as results also come one file per
// draw.
FileDialogRequest resultsFilesRequest(const QString& dataFolder);

// The chosen files as the reports name them: one by its path, many of one folder by the folder
// and their count, many of several folders by the first and their count.
QString resultsFilesName(const QStringList& paths);
