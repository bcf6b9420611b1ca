#include "main_window.h"

#include "drawn_picture.h"
#include "entry_box.h"
#include "error_path.h"
#include "font_faces.h"
#include "held_key.h"
#include "palette_colour.h"
#include "profile_text.h"
#include "startup.h"
#include "window_controls.h"
#include "window_icon.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {

// The window's own font, for text drawn without a font of its own.
constexpr int kWindowFontSize = 18;

// The glyphs are loaded once the display has drawn the first frame; no user clicks this early.
constexpr int kGlyphsAfterFirstFrameMs = 100;

FieldCycle::Key cycleKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FieldCycle::Key::Enter;
    case Qt::Key_F1:
        return FieldCycle::Key::F1;
    case Qt::Key_F2:
        return FieldCycle::Key::F2;
    case Qt::Key_F3:
        return FieldCycle::Key::F3;
    case Qt::Key_F12:
        return FieldCycle::Key::F12;
    default:
        return FieldCycle::Key::Other;
    }
}

} // namespace

MainWindow::MainWindow(const GameProfile& profile, QWidget* parent)
    : QWidget(parent), profile(profile),
      drawing([this](const QRect& area) { update(area); }, devicePixelRatioF()), dialogs(this),
      shell(this), mainForm{profile, *this, drawing, dialogs, shell, programState}, cycle(profile),
      menu(mainForm, *this) {
    setObjectName(QStringLiteral("MAINFORM"));
    setWindowTitle(toQString(profile.caption));
    setWindowIcon(loadWindowIcon(profile.iconName));
    QPalette background = palette();
    background.setColor(QPalette::Window, paletteColour(Colour::LightGrey));
    setPalette(background);
    setAutoFillBackground(true);
    resize(WindowWidth, WindowHeight);
    // Created first, the picture's stand-in lies under every control.
    readablePicture =
        new DrawnPicture([this] { return pictureText(mainForm, drawing.shownTexts()); }, *this);
    controls = createWindowControls(*this, profile, *this, [this](Handler h) { run(h); });
    for (QWidget* control : std::as_const(controls)) {
        if (auto* box = qobject_cast<EntryBox*>(control))
            box->setMenuFoot([this](QMenu& boxMenu) { menu.addCommands(boxMenu); });
    }
    // Every control has a font of its own. Set before them, the window's font would be the one
    // each edit box first lays out its text in, loading a face that nothing shows.
    setFont(windowFont(FontName::FixedSys, kWindowFontSize));
}

void MainWindow::start(const QString& programPath) {
    try {
        startUp(mainForm, programPath);
    } catch (...) {
        fail();
    }
    drawing.finishDrawing();
    readablePicture->announceChange();
}

void MainWindow::placeOnScreen() {
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                            QSize(WindowWidth, WindowHeight), screen()->geometry());
    move(place.topLeft());
    fitOuterSize();
}

// The outer size includes the frame that the window manager adds, which is known only once the
// window is mapped; without a window manager the client area itself is 648 x 466.
void MainWindow::fitOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() == 0 && frame.height() == 0)
        return;
    resize(WindowWidth - frame.width(), WindowHeight - frame.height());
    outerSizeFitted = true;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!outerSizeFitted)
        fitOuterSize();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!outerSizeFitted && isVisible())
        fitOuterSize();
}

QWidget* MainWindow::control(const QString& name) const {
    QWidget* widget = controls.value(name);
    if (!widget)
        throw ProgramFault("no control named " + name.toStdString());
    return widget;
}

EntryBox* MainWindow::entryBox(const QString& name) const {
    auto* box = qobject_cast<EntryBox*>(control(name));
    if (!box)
        throw ProgramFault(name.toStdString() + " is not an edit box");
    return box;
}

QString MainWindow::text(const QString& name) const {
    return entryBox(name)->text();
}

// A text the program writes is shown from its start, as long lists do not fit their boxes. A
// box that already holds the text is left as it is, but for the caret and the selection, so
// that a prediction repaints only the boxes it changed.
void MainWindow::setText(const QString& name, const QString& text) {
    EntryBox* box = entryBox(name);
    if (box->text() == text)
        box->deselect();
    else
        box->setText(text);
    box->setCursorPosition(0);
}

// While a handler's dialog has only just closed, the window is not active yet: Qt then only
// notes the focus for the window's next activation and reports no focus-in. The cycle learns of
// the move here, so that the activation, which gives the focus back to the current field, keeps
// it where the handler put it.
void MainWindow::setFocus(const QString& name) {
    QWidget* target = control(name);
    target->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<EntryBox*>(target))
        box->selectWholeText();
    cycle.focusEntered(name);
}

void MainWindow::returnFocus(const QString& name) {
    control(name)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::run(Handler handler) {
    try {
        handler(mainForm);
    } catch (...) {
        fail();
    }
    drawing.finishDrawing();
    readablePicture->announceChange();
}

void MainWindow::fail() {
    // A failure while the error message is up must not open a second one.
    if (failing)
        return;
    failing = true;
    generalErrorPath(dialogs, shell);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<EntryBox*>(watched);
    if (box && event->type() == QEvent::FocusIn)
        cycle.focusEntered(box->objectName());
    if (box && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return handleCycleKey(box, event);
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleCycleKey(EntryBox* box, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shiftDown = key->modifiers() & Qt::ShiftModifier;
    if (key->key() == Qt::Key_Shift && event->type() == QEvent::KeyRelease) {
        cycle.shiftReleased();
        return false;
    }
    const FieldCycle::Key cycleKeyPressed = cycleKey(key->key());
    if (cycleKeyPressed == FieldCycle::Key::Other)
        return false;
    const bool repeat = isRepeatOfHeldKey(*key);
    if (event->type() == QEvent::KeyPress) {
        cycle.keyPressed(box->objectName(), cycleKeyPressed, repeat, box->composing(), shiftDown);
        return false;
    }
    const QString next = cycle.keyReleased(box->objectName(), cycleKeyPressed, repeat, shiftDown);
    // A key that keeps the focus where it is leaves the caret and the selection alone.
    if (!next.isEmpty() && next != box->objectName())
        setFocus(next);
    return false;
}

void MainWindow::restoreFocus() {
    MAINFORM_SETFOCUS(mainForm, cycle);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    // A handler's message box may let the window paint halfway through the handler's drawing.
    drawing.finishDrawing();
    // The window has moved to a screen of another pixel ratio, or the desktop's scale changed.
    if (devicePixelRatioF() != drawing.image().devicePixelRatio())
        drawing.setPixelRatio(devicePixelRatioF());
    const QImage& picture = drawing.image();
    const qreal ratio = picture.devicePixelRatio();
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, picture,
                          QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    if (!glyphsQueued) {
        glyphsQueued = true;
        QTimer::singleShot(kGlyphsAfterFirstFrameMs, this, &MainWindow::loadDigitGlyphs);
    }
}

// The first prediction writes digits in fonts that have drawn none yet: loading their glyphs
// took most of that click. While the user types the draws, every font of the picture and of the
// boxes draws the digits once, on an image of its own.
void MainWindow::loadDigitGlyphs() {
    std::vector<QFont> fonts = drawing.fontsSoFar();
    for (const QWidget* control : std::as_const(controls))
        fonts.push_back(control->font());
    const qreal ratio = devicePixelRatioF();
    for (const QImage::Format format :
         {drawing.image().format(), QImage::Format_ARGB32_Premultiplied}) {
        QImage scratch(QSize(240, 48) * ratio, format);
        scratch.setDevicePixelRatio(ratio);
        QPainter painter(&scratch);
        for (const QFont& font : fonts) {
            painter.setFont(font);
            painter.drawText(QPoint(0, 36), QStringLiteral("0123456789,- "));
        }
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    restoreFocus();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        restoreFocus();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    menu.open(event->globalPos());
}
