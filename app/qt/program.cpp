#include "program.h"

#include "first_frame_report.h"
#include "font_faces.h"
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

// The window is drawn at the exact pixels it names; Qt 6 would scale it on high-resolution
// screens unless told not to before the application object exists. A user's own setting wins.
void turnOffHighDpiScaling() {
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
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
    turnOffHighDpiScaling();
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
