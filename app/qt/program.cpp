#include "program.h"

#include "first_frame_report.h"
#include "font_faces.h"
#include "library_folders.h"
#include "main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Catches failures that escape any event handler and sends them down the general error path
// instead of letting them tear the program down without a word.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    MainWindow* window = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (window)
                window->fail();
            else
                exit(1);
            return false;
        }
    }
};

// The window follows the desktop's scale, as Qt reads it from the platform. The picture is
// designed in whole pixels: a scale of 125 % to 175 % is rounded to a whole one (1.25 to 1, 1.5
// and 1.75 to 2), so that every pixel of the design is a square of whole screen pixels and its
// lines stay sharp; halves round up, as text drawn smaller than the desktop asks is harder to
// read than text drawn larger. A user's own policy wins; QT_ENABLE_HIGHDPI_SCALING=0 turns
// the scaling off.
void roundTheDesktopScale() {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY"))
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

// The programs speak Japanese; Qt's own dialogs and buttons follow when its translations are
// installed, and stay in English otherwise.
void loadJapaneseDialogTexts(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

} // namespace

int runProgram(const GameProfile& profile, int argc, char** argv) {
    restrictLibraryFolders();
    roundTheDesktopScale();
    Application app(argc, argv);
    QTranslator dialogTexts;
    loadJapaneseDialogTexts(app, dialogTexts);
    installFontSubstitutes();
    MainWindow window(profile);
    app.window = &window;
    window.start(QCoreApplication::applicationFilePath());
    window.placeOnScreen();
    reportFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
