#include "window_icon.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

// An XPM image is C source: its strings compile into the program, and Qt reads them directly,
// without looking through every image-format plugin installed as its image reader would.
#include "icons/miniklvn.xpm"
#include "icons/rk6klvn.xpm"
#include "icons/rk7klvn.xpm"

namespace {

struct NamedIcon {
    std::string_view name;
    const char* const* xpm;
};

constexpr NamedIcon kIcons[] = {{"rk7klvn", rk7klvn}, {"rk6klvn", rk6klvn}, {"miniklvn", miniklvn}};

} // namespace

QIcon loadWindowIcon(std::string_view name) {
    for (const NamedIcon& icon : kIcons) {
        if (icon.name == name)
            return QIcon(QPixmap::fromImage(QImage(icon.xpm)));
    }
    return {};
}
