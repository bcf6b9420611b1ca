#include "field_map.h"
#include "game_profiles.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// What a file dialog showed before the test chose a file in it.
struct DialogSeen {
    QString title;
    QString folder;
    QStringList proposed;
    QStringList filters;
};

// Answers the next file dialog with a path, once it is up.
void chooseInNextFileDialog(const QString& path, DialogSeen& seen) {
    QTimer::singleShot(0, [&seen, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = {dialog->windowTitle(), dialog->directory().path(), dialog->selectedFiles(),
                dialog->nameFilters()};
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

struct RoundTripCase {
    const GameProfile* profile;
    const char* dataFolder;
    const char* fileName;
    const char* drawNumberAfterLoad;
    const char* previousDrawNumberAfterLoad;
};

class RecordsWindow : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RecordsWindow, SavedDrawsLoadBackIntoTheWindow) {
    const RoundTripCase& c = GetParam();
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir(QString::fromLatin1(c.dataFolder)));
    auto window = startedWindow(*c.profile, installed.path());

    const QStringList boxes = allNumberBoxes(*c.profile);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        window->setText(boxes[i], i % 3 == 0 ? QStringLiteral(" %1").arg(i % 9 + 1)
                                             : QString::number(10 + i));
    window->setText("EDIT22", " 1234");
    const QString dataFolder = installed.filePath(QString::fromLatin1(c.dataFolder));
    const QString file = QDir(dataFolder).filePath(QString::fromLatin1(c.fileName));

    DialogSeen save;
    chooseInNextFileDialog(file, save);
    QTest::mouseClick(child<QPushButton>(*window, "BUTTON8"), Qt::LeftButton);
    EXPECT_EQ(save.title, "保存");
    EXPECT_EQ(QDir(save.folder), QDir(dataFolder));
    ASSERT_EQ(save.proposed.size(), 1);
    EXPECT_EQ(QFileInfo(save.proposed.first()).fileName(), QString::fromLatin1(c.fileName));
    EXPECT_EQ(save.filters, QStringList({"ﾃﾞｰﾀ(*.dat)"}));
    ASSERT_TRUE(QFile::exists(file));

    for (const QString& box : boxes)
        window->setText(box, QString());
    window->setText("EDIT22", QString());
    window->setText("EDIT24", " 01, 02");

    DialogSeen load;
    chooseInNextFileDialog(file, load);
    QTest::mouseClick(child<QPushButton>(*window, "BUTTON9"), Qt::LeftButton);
    EXPECT_EQ(load.title, "データー選択");
    EXPECT_EQ(QDir(load.folder), QDir(dataFolder));
    for (qsizetype i = 0; i < boxes.size(); ++i)
        EXPECT_EQ(window->text(boxes[i]),
                  i % 3 == 0 ? QStringLiteral(" %1").arg(i % 9 + 1) : QString::number(10 + i))
            << boxes[i].toStdString();
    EXPECT_EQ(window->text("EDIT22"), QString::fromLatin1(c.drawNumberAfterLoad));
    EXPECT_EQ(window->text("EDIT27"), QString::fromLatin1(c.previousDrawNumberAfterLoad));
    EXPECT_EQ(window->text("EDIT24"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Games, RecordsWindow,
    testing::Values(RoundTripCase{&kRk7klvn, "rkk7data", "7R1234kai.dat", "1234", "1233"},
                    RoundTripCase{&kRk6klvn, "rkk6data", "6R1234kai.dat", "1234", " 1233"},
                    RoundTripCase{&kMiniklvn, "rkk7data", "MR1234kai.dat", "1234", "1233"}),
    [](const testing::TestParamInfo<RoundTripCase>& info) {
        return std::string(info.param.profile->programName);
    });

} // namespace
