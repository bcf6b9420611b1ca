#include "commands.h"
#include "commands_test_support.h"
#include "fake_platform.h"
#include "game_profiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

const QString kHelpDocument = QStringLiteral("RKM67KV.chm");
const QString kUserGuide = QStringLiteral("RKM67KV.html");

QString executable(const char* program) {
#ifdef Q_OS_WIN
    return QString::fromLatin1(program) + QStringLiteral(".exe");
#else
    return QString::fromLatin1(program);
#endif
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// A program folder and a different current directory, both temporary; the current directory is
// given back after each test.
class InstalledFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(workDir.isValid());
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    FakeWindow& start(const GameProfile& profile) {
        window = std::make_unique<FakeWindow>(profile);
        window->state.ProgramFolder = QDir::toNativeSeparators(programDir.path() + u'/');
        fillEveryBox(window->form);
        return *window;
    }

    static void place(const QTemporaryDir& dir, const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    // The folder a message names, as the platform shows it.
    QString programFolderText() const { return QDir::toNativeSeparators(programDir.path()); }

    QTemporaryDir programDir;
    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<FakeWindow> window;
};

void expectStillRunningUntouched(const FakeWindow& w) {
    EXPECT_FALSE(w.shell.endedWith.has_value());
    EXPECT_EQ(changedBoxes(w.form), std::vector<int>{});
    EXPECT_TRUE(w.form.writes.isEmpty());
    EXPECT_TRUE(w.surface.calls.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// "ヘルプ"

// Every case plants both documents in the current directory, where they must never be opened.
struct HelpCase {
    const char* name;
    QStringList besideProgram;
    QString opened;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
    *os << c.name;
}

class HelpFound : public InstalledFiles, public testing::WithParamInterface<HelpCase> {};

TEST_P(HelpFound, OpensTheFirstDocumentBesideTheProgramAndKeepsRunning) {
    const HelpCase& c = GetParam();
    FakeWindow& w = start(kRk7klvn);
    for (const QString& name : c.besideProgram)
        place(programDir, name);
    place(workDir, kHelpDocument);
    place(workDir, kUserGuide);

    BUTTON11_ON(w.mainForm);

    ASSERT_EQ(w.shell.openedDocuments.size(), 1);
    EXPECT_EQ(canonical(w.shell.openedDocuments.first()), canonical(programDir.filePath(c.opened)));
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    expectStillRunningUntouched(w);
}

INSTANTIATE_TEST_SUITE_P(
    Places, HelpFound,
    testing::Values(HelpCase{"DocumentBeforeTheGuide", {kHelpDocument, kUserGuide}, kHelpDocument},
                    HelpCase{"GuideWhenTheDocumentIsAbsent", {kUserGuide}, kUserGuide}),
    [](const testing::TestParamInfo<HelpCase>& info) { return info.param.name; });

TEST_F(InstalledFiles, HelpPlantedInTheCurrentDirectoryIsNotOpened) {
    FakeWindow& w = start(kRk6klvn);
    place(workDir, kHelpDocument);
    place(workDir, kUserGuide);

    BUTTON11_ON(w.mainForm);

    EXPECT_TRUE(w.shell.openedDocuments.isEmpty());
    ASSERT_EQ(w.dialogs.messages.size(), 1);
    EXPECT_EQ(w.dialogs.messages.first(),
              QStringLiteral(
                  "エラー発生|ヘルプ文書 %1 / %2 が見つかりません。\n探した場所:\n  %3|stop|ok")
                  .arg(kHelpDocument, kUserGuide, programFolderText()));
    expectStillRunningUntouched(w);
}

// Without a folder the names would be relative, that is resolved against the current directory.
TEST_F(InstalledFiles, UnknownProgramFolderLooksNowhere) {
    FakeWindow& w = start(kMiniklvn);
    w.state.ProgramFolder.clear();
    place(workDir, kHelpDocument);
    place(workDir, kUserGuide);

    BUTTON11_ON(w.mainForm);

    EXPECT_TRUE(w.shell.openedDocuments.isEmpty());
    EXPECT_EQ(w.dialogs.messages.size(), 1);
}

TEST_F(InstalledFiles, RefusedHelpIsReportedAfterTryingBothDocuments) {
    FakeWindow& w = start(kRk7klvn);
    place(programDir, kHelpDocument);
    place(programDir, kUserGuide);
    w.shell.documentsOpen = false;

    BUTTON11_ON(w.mainForm);

    ASSERT_EQ(w.shell.openedDocuments.size(), 2);
    EXPECT_EQ(canonical(w.shell.openedDocuments[0]), canonical(programDir.filePath(kHelpDocument)));
    EXPECT_EQ(canonical(w.shell.openedDocuments[1]), canonical(programDir.filePath(kUserGuide)));
    ASSERT_EQ(w.dialogs.messages.size(), 1);
    const QString& message = w.dialogs.messages.first();
    EXPECT_TRUE(message.startsWith(u"エラー発生|ヘルプ文書を開けませんでした"))
        << message.toStdString();
    EXPECT_TRUE(message.contains(w.shell.openedDocuments[0]));
    EXPECT_TRUE(message.contains(w.shell.openedDocuments[1]));
    expectStillRunningUntouched(w);
}

// A platform that has no viewer for the help document's format, but opens web pages.
class NoViewerForTheDocument : public FakeShell {
public:
    bool openDocument(const QString& path) override {
        FakeShell::openDocument(path);
        return !path.endsWith(u".chm");
    }
};

TEST_F(InstalledFiles, GuideStandsInWhenTheDocumentHasNoViewer) {
    FakeWindow& w = start(kRk7klvn);
    place(programDir, kHelpDocument);
    place(programDir, kUserGuide);
    NoViewerForTheDocument shell;
    MainForm form{w.profile, w.form, w.surface, w.dialogs, shell, w.state};

    BUTTON11_ON(form);

    ASSERT_EQ(shell.openedDocuments.size(), 2);
    EXPECT_EQ(canonical(shell.openedDocuments[1]), canonical(programDir.filePath(kUserGuide)));
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_FALSE(shell.endedWith.has_value());
}

// ---------------------------------------------------------------------------------------------
// Sibling buttons

struct SiblingCase {
    const char* name;
    const GameProfile* profile;
    Handler button;
    const char* sibling;
};

void PrintTo(const SiblingCase& c, std::ostream* os) {
    *os << c.name;
}

class SiblingLaunch : public InstalledFiles, public testing::WithParamInterface<SiblingCase> {
protected:
    QString sibling() const { return executable(GetParam().sibling); }
    QString self() const {
        const std::string_view own = GetParam().profile->programName;
        return executable(std::string(own).c_str());
    }
};

TEST_P(SiblingLaunch, StartsTheOtherProgramBesideThisOneThereAndEnds) {
    const SiblingCase& c = GetParam();
    FakeWindow& w = start(*c.profile);
    for (const char* program : {"RK7KLVN", "RK6KLVN", "MiniKLVN"}) {
        place(programDir, executable(program));
        place(workDir, executable(program));
    }

    c.button(w.mainForm);

    ASSERT_EQ(w.shell.startedPrograms.size(), 1);
    EXPECT_EQ(canonical(w.shell.startedPrograms.first()),
              canonical(programDir.filePath(sibling())));
    EXPECT_NE(QFileInfo(w.shell.startedPrograms.first()).fileName(), self());
    EXPECT_EQ(w.shell.workingFolders, QStringList{programFolderText()});
    EXPECT_EQ(w.shell.endedWith, 0);
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(changedBoxes(w.form), std::vector<int>{});
}

TEST_P(SiblingLaunch, SiblingPlantedInTheCurrentDirectoryIsNotStarted) {
    const SiblingCase& c = GetParam();
    FakeWindow& w = start(*c.profile);
    place(programDir, self());
    place(workDir, sibling());

    c.button(w.mainForm);

    EXPECT_TRUE(w.shell.startedPrograms.isEmpty());
    ASSERT_EQ(w.dialogs.messages.size(), 1);
    EXPECT_EQ(w.dialogs.messages.first(),
              QStringLiteral("エラー発生|%1 が見つからないため、切り替えられません。\n"
                             "探した場所:\n  %2|stop|ok")
                  .arg(sibling(), programFolderText()));
    expectStillRunningUntouched(w);
}

TEST_P(SiblingLaunch, RefusedSiblingIsReportedAndThisProgramKeepsRunning) {
    const SiblingCase& c = GetParam();
    FakeWindow& w = start(*c.profile);
    place(programDir, sibling());
    w.shell.programsStart = false;

    c.button(w.mainForm);

    ASSERT_EQ(w.shell.startedPrograms.size(), 1);
    ASSERT_EQ(w.dialogs.messages.size(), 1);
    EXPECT_EQ(w.dialogs.messages.first(),
              QStringLiteral("エラー発生|%1 を起動できませんでした。|stop|ok")
                  .arg(w.shell.startedPrograms.first()));
    expectStillRunningUntouched(w);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SiblingLaunch,
    testing::Values(SiblingCase{"Rk7Button12", &kRk7klvn, &BUTTON12_ON, "RK6KLVN"},
                    SiblingCase{"Rk7Button13", &kRk7klvn, &BUTTON13_ON, "MiniKLVN"},
                    SiblingCase{"Rk6Button12", &kRk6klvn, &BUTTON12_ON, "RK7KLVN"},
                    SiblingCase{"Rk6Button13", &kRk6klvn, &BUTTON13_ON, "MiniKLVN"},
                    SiblingCase{"MiniButton12", &kMiniklvn, &BUTTON12_ON, "RK6KLVN"},
                    SiblingCase{"MiniButton13", &kMiniklvn, &BUTTON13_ON, "RK7KLVN"}),
    [](const testing::TestParamInfo<SiblingCase>& info) { return info.param.name; });

} // namespace
