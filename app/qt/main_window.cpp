#include "main_window.h"

#include "backtest_dialog.h"
#include "button_handlers.h"
#include "entry_box.h"
#include "error_path.h"
#include "field_map.h"
#include "font_faces.h"
#include "kept_frame_style.h"
#include "palette.h"
#include "profile_text.h"
#include "rehearsal.h"
#include "startup.h"
#include "window_icon.h"
#include "window_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QTimer>

namespace {

// The window's own font, for text drawn without a font of its own.
constexpr int kWindowFontSize = 18;

// The warm-up waits until the display has drawn the first frame; no user clicks this early.
constexpr int kWarmUpAfterFirstFrameMs = 100;

QColor colourOf(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

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
    : QWidget(parent), profile(profile), dialogs(this),
      shell(this), mainForm{profile, *this, drawing, dialogs, shell, programState}, cycle(profile),
      keptFrames(new KeptFrameStyle) {
    keptFrames->setParent(this);
    setObjectName(QStringLiteral("MAINFORM"));
    setWindowTitle(toQString(profile.caption));
    setWindowIcon(loadWindowIcon(profile.iconName));
    QPalette background = palette();
    background.setColor(QPalette::Window, colourOf(kPalette[Colour::LightGrey]));
    setPalette(background);
    setAutoFillBackground(true);
    resize(WindowWidth, WindowHeight);
    createControls();
    // Every control has a font of its own. Set before them, the window's font would be the one
    // each edit box first lays out its text in, loading a face that nothing shows.
    setFont(windowFont(FontName::FixedSys, kWindowFontSize));
}

void MainWindow::createControls() {
    for (const ControlSpec& spec : fieldMap(profile)) {
        if (spec.kind == ControlKind::Edit)
            createEdit(spec);
        else
            createButton(spec);
    }
}

void MainWindow::createEdit(const ControlSpec& spec) {
    auto* box = new EntryBox(spec.maxLength, this);
    box->setObjectName(spec.name);
    box->setGeometry(spec.left, spec.top, spec.width, spec.height);
    box->setFont(windowFont(spec.fontName, spec.fontSize));
    box->setAlignment(spec.align == TextAlign::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, colourOf(spec.textColour));
    colours.setColor(QPalette::Base, Qt::white);
    box->setPalette(colours);
    box->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    box->setVisible(spec.visible);
    if (!spec.visible)
        box->setFocusPolicy(Qt::NoFocus);
    box->installEventFilter(this);
    controls.insert(spec.name, box);
}

void MainWindow::createButton(const ControlSpec& spec) {
    auto* button = new QPushButton(spec.caption, this);
    button->setObjectName(spec.name);
    button->setGeometry(spec.left, spec.top, spec.width, spec.height);
    button->setFont(windowFont(spec.fontName, spec.fontSize, spec.bold));
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, colourOf(kPalette[Colour::LightGrey]));
    colours.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(colours);
    button->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    button->setAutoDefault(false);
    const Handler handler = buttonHandler(spec.number);
    connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
    controls.insert(spec.name, button);
}

void MainWindow::start(const QString& programPath) {
    try {
        startUp(mainForm, programPath);
    } catch (...) {
        fail();
    }
    drawing.finishDrawing();
    update(drawing.takeChangedArea());
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
    // Only what the handler changed is shown again, not the boxes and buttons elsewhere.
    update(drawing.takeChangedArea());
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
    if (event->type() == QEvent::KeyPress) {
        cycle.keyPressed(box->objectName(), cycleKeyPressed, key->isAutoRepeat(), box->composing(),
                         shiftDown);
        return false;
    }
    const QString next =
        cycle.keyReleased(box->objectName(), cycleKeyPressed, key->isAutoRepeat(), shiftDown);
    // A key that keeps the focus where it is leaves the caret and the selection alone.
    if (!next.isEmpty() && next != box->objectName())
        setFocus(next);
    return false;
}

void MainWindow::restoreFocus() {
    MAINFORM_SETFOCUS(mainForm, cycle);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    drawing.prepareToShow();
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, drawing.image(), area);
    if (!warmUpQueued) {
        warmUpQueued = true;
        QTimer::singleShot(kWarmUpAfterFirstFrameMs, this, &MainWindow::warmUp);
    }
}

// Once the first frame is out, while the user types the draws, the window does once what its
// first prediction would otherwise do on the click: it resolves the fonts, lays out the texts
// and draws them, on a picture of its own, and has each font of the boxes draw digits.
void MainWindow::warmUp() {
    ImageSurface rehearsal(drawing.textLayouts());
    try {
        rehearsePrediction(profile, rehearsal);
    } catch (...) {
        // The click will meet the same failure and report it.
    }
    rehearsal.finishDrawing();
    drawing.textLayouts()->layOutNumbers();
    warmUpBoxes();
}

// A stand-in box of each font of the boxes lays out and draws what a prediction writes.
void MainWindow::warmUpBoxes() {
    QSet<QString> fontsSeen;
    for (QWidget* control : std::as_const(controls)) {
        auto* box = qobject_cast<EntryBox*>(control);
        if (!box || !box->isVisible() || fontsSeen.contains(box->font().key()))
            continue;
        fontsSeen.insert(box->font().key());
        EntryBox standIn(0, nullptr);
        standIn.setFont(box->font());
        standIn.setPalette(box->palette());
        standIn.setAlignment(box->alignment());
        standIn.resize(box->size());
        standIn.setText(QStringLiteral(" 0123456789, -"));
        QImage scratch(box->size(), QImage::Format_RGB32);
        standIn.render(&scratch);
    }
    // From now on the boxes keep their frames; their next drawing keeps them. Set at start-up,
    // the style would slow the first frame.
    for (QWidget* control : std::as_const(controls)) {
        if (qobject_cast<EntryBox*>(control)) {
            control->setStyle(keptFrames);
            control->update();
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
    QMenu menu(this);
    QMenu* copy = menu.addMenu(QStringLiteral("コピー(&Y)"));
    copy->addAction(QStringLiteral("テキスト(&T)"), this, &MainWindow::copyText);
    copy->addAction(QStringLiteral("テキスト/グラフィック(&M)"), this,
                    &MainWindow::copyTextAndPicture);
    menu.addAction(QStringLiteral("照合(&S)..."), this, &MainWindow::showBacktest);
    menu.exec(event->globalPos());
}

void MainWindow::showBacktest() {
    BacktestDialog dialog(profile, programState.DataFolderPath, this);
    dialog.exec();
}

void MainWindow::copyText() {
    QGuiApplication::clipboard()->setText(windowText(mainForm));
}

void MainWindow::copyTextAndPicture() {
    auto* data = new QMimeData;
    data->setText(windowText(mainForm));
    data->setImageData(grab().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
}
