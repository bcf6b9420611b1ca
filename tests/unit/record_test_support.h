#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <vector>

// A fresh folder per test, removed with everything in it afterwards.
class TempFolderTest : public testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString path = pathOf(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return file.readAll();
    }

    QTemporaryDir folder;
};

// A data file as the save command writes it: rows 1, 2, 3 (newest first), then the draw number.
inline QByteArray dataFile(const std::vector<std::vector<int>>& rows, int drawNumber) {
    QStringList fields;
    for (const std::vector<int>& row : rows) {
        for (int n : row)
            fields << u'"' + QString::number(n) + u'"';
    }
    fields << u'"' + QString::number(drawNumber) + u'"';
    return fields.join(u',').toLatin1() + "\r\n\x1A";
}

// Makes test output readable for the texts GoogleTest cannot print itself.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toPercentEncoding(" \",:").toStdString() << '"';
}

#include "base_screen.h"
#include "fake_platform.h"
#include "form.h"

#include <QStringList>

// The boxes EDITfirst..EDITlast.
inline QStringList boxRange(int first, int last) {
    QStringList boxes;
    for (int n = first; n <= last; ++n)
        boxes << editName(n);
    return boxes;
}

// The drawing a fresh base screen of the game makes.
inline QStringList baseScreenCalls(const GameProfile& profile) {
    FakeWindow window(profile);
    TAITORUKIHON(window.mainForm);
    return window.surface.calls;
}

inline void PrintTo(const GameProfile* profile, std::ostream* os) {
    *os << profile->programName;
}
