#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The results files the player chose in each data folder, for the life of the program: the
// program keeps no settings in files. The program's window owns the one instance and hands it to
// 「照合」 and 「結果から入力」; nothing else holds it, so every window starts with none.
class RememberedResults {
public:
    QStringList files(const QString& dataFolder) const { return chosen.value(dataFolder); }
    void remember(const QString& dataFolder, const QStringList& files) {
        chosen.insert(dataFolder, files);
    }
    void forget(const QString& dataFolder) { chosen.remove(dataFolder); }

private:
    QHash<QString, QStringList> chosen;
};
