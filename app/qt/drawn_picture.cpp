#include "drawn_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// What screen readers see of the picture: a read-only, many-lined static text.
class PictureAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PictureAccessible(DrawnPicture* picture)
        : QAccessibleWidget(picture, QAccessible::StaticText), picture(picture) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return picture->read().name;
        if (kind == QAccessible::Value)
            return whole();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // The text as a whole; it has no caret and no selection.
    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(whole().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString whole() const { return picture->read().text; }

    DrawnPicture* picture;
};

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("DrawnPicture"))
        return new PictureAccessible(static_cast<DrawnPicture*>(object));
    return nullptr;
}

} // namespace

DrawnPicture::DrawnPicture(Reader read, QWidget& window)
    : QWidget(&window), reader(std::move(read)) {
    setObjectName(QStringLiteral("picture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window.rect());
    // Installed again for every window, so that it stands once in Qt's list of factories.
    QAccessible::removeFactory(pictureAccessible);
    QAccessible::installFactory(pictureAccessible);
}

void DrawnPicture::announceChange() {
    if (!QAccessible::isActive())
        return;
    const PictureText now = read();
    if (now.text == announced)
        return;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleTextUpdateEvent textChanged(this, 0, announced, now.text);
    QAccessible::updateAccessibility(&textChanged);
    announced = now.text;
}
