#include "window_controls.h"

#include "button_handlers.h"
#include "entry_box.h"
#include "field_map.h"
#include "font_faces.h"
#include "palette_colour.h"

#include <QKeySequence>
#include <QPushButton>

namespace {

void nameForScreenReaders(QWidget& control, const ControlSpec& spec) {
    if (!spec.accessibleName.isEmpty())
        control.setAccessibleName(spec.accessibleName);
    control.setAccessibleDescription(spec.accessibleDescription);
}

QWidget* createEdit(QWidget& window, const ControlSpec& spec, QObject& boxEvents) {
    auto* box = new EntryBox(spec.maxLength, &window);
    box->setObjectName(spec.name);
    box->setGeometry(spec.left, spec.top, spec.width, spec.height);
    box->setFont(windowFont(spec.fontName, spec.fontSize));
    box->setAlignment(spec.align == TextAlign::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, qtColour(spec.textColour));
    colours.setColor(QPalette::Base, Qt::white);
    box->setPalette(colours);
    box->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    box->setVisible(spec.visible);
    if (!spec.visible)
        box->setFocusPolicy(Qt::NoFocus);
    if (spec.textAsToolTip)
        QObject::connect(box, &QLineEdit::textChanged, box, &QWidget::setToolTip);
    box->installEventFilter(&boxEvents);
    nameForScreenReaders(*box, spec);
    return box;
}

QWidget* createButton(QWidget& window, const ControlSpec& spec,
                      const std::function<void(Handler)>& run) {
    auto* button = new QPushButton(spec.caption, &window);
    button->setObjectName(spec.name);
    button->setGeometry(spec.left, spec.top, spec.width, spec.height);
    button->setFont(windowFont(spec.fontName, spec.fontSize, spec.bold));
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, paletteColour(Colour::LightGrey));
    colours.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(colours);
    button->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    button->setAutoDefault(false);
    // A button's own shortcut leaves its caption as it is, and screen readers announce it.
    button->setShortcut(QKeySequence(spec.shortcut, QKeySequence::PortableText));
    nameForScreenReaders(*button, spec);
    const Handler handler = buttonHandler(spec.number);
    QObject::connect(button, &QPushButton::clicked, &window, [run, handler] { run(handler); });
    return button;
}

} // namespace

QHash<QString, QWidget*> createWindowControls(QWidget& window, const GameProfile& profile,
                                              QObject& boxEvents,
                                              const std::function<void(Handler)>& run) {
    QHash<QString, QWidget*> controls;
    for (const ControlSpec& spec : fieldMap(profile)) {
        QWidget* control = spec.kind == ControlKind::Edit ? createEdit(window, spec, boxEvents)
                                                          : createButton(window, spec, run);
        controls.insert(spec.name, control);
    }
    return controls;
}
