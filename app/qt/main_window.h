#pragma once

#include "field_cycle.h"
#include "form.h"
#include "image_surface.h"
#include "main_form.h"
#include "program_state.h"
#include "qt_platform.h"
#include "surface_menu.h"

#include <QHash>
#include <QWidget>

class DrawnPicture;
class EntryBox;

// MAINFORM: the one window of the program, and the form that the handlers see: it holds the edit
// boxes and buttons at their fixed places, shows the drawing surface behind them, runs a button's
// handler when it is clicked and walks the focus along the Enter-key field cycle.
class MainWindow : public QWidget, public Form {
    Q_OBJECT

public:
    explicit MainWindow(const GameProfile& profile, QWidget* parent = nullptr);

    // The program's own part of start-up: folders and the base screen.
    void start(const QString& programPath);
    // Places the window in the middle of the screen, its outer size 648 x 466.
    void placeOnScreen();

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    void setFocus(const QString& control) override;
    void returnFocus(const QString& control) override;

    const ImageSurface& surface() const { return drawing; }
    const ProgramState& state() const { return programState; }
    const FieldCycle& fieldCycle() const { return cycle; }

    // Runs a handler; an unexpected failure in it ends the program through the error path.
    void run(Handler handler);
    // The general error path, for failures that escape any event handler.
    void fail();

    SurfaceMenu& surfaceMenu() { return menu; }
    const DrawnPicture& drawnPicture() const { return *readablePicture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* control(const QString& name) const;
    EntryBox* entryBox(const QString& name) const;
    bool handleCycleKey(EntryBox* box, QEvent* event);
    void restoreFocus();
    void fitOuterSize();
    void loadDigitGlyphs();

    const GameProfile& profile;
    ProgramState programState;
    ImageSurface drawing;
    QtDialogs dialogs;
    QtShell shell;
    MainForm mainForm;
    FieldCycle cycle;
    SurfaceMenu menu;
    DrawnPicture* readablePicture = nullptr;
    QHash<QString, QWidget*> controls;
    bool outerSizeFitted = false;
    bool failing = false;
    bool glyphsQueued = false;
};
