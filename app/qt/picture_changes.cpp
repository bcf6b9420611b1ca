#include "picture_changes.h"

#include <algorithm>
#include <utility>

namespace {

// A handler draws a few hundred calls after a wipe; drawing on and on without one only costs the
// comparison.
constexpr std::size_t kLongestList = 4096;

} // namespace

PictureChanges::PictureChanges(const QRect& whole) : whole(whole) {}

void PictureChanges::record(Call call) {
    drawnSinceShown += call.area;
    if (call.kind == Call::Kind::Fill && call.area.contains(whole)) {
        now.clear();
        wipedSinceShown = true;
    }
    if (now.size() < kLongestList)
        now.push_back(std::move(call));
    else
        shownKnown = false;
}

void PictureChanges::shownMidway() {
    shownKnown = false;
}

QRegion PictureChanges::takeChangedArea() {
    // Without a wipe the picture changed only where the handler drew; a known list from before
    // and after a wipe tells more closely.
    const QRegion changed =
        wipedSinceShown && shownKnown ? differences() : std::exchange(drawnSinceShown, QRegion());
    drawnSinceShown = QRegion();
    wipedSinceShown = false;
    shown = now;
    shownKnown = now.size() < kLongestList;
    return changed;
}

namespace {

// Adding rectangles to a region one by one costs the square of their number; uniting halves
// costs their number times its logarithm.
QRegion unionOf(const std::vector<QRect>& areas, std::size_t from, std::size_t to) {
    if (to - from == 1)
        return QRegion(areas[from]);
    const std::size_t middle = from + (to - from) / 2;
    return unionOf(areas, from, middle).united(unionOf(areas, middle, to));
}

// The changed areas are widened to whole bands of rows: a region of rectangles at many heights
// falls into many thin pieces, each painted on its own.
constexpr int kBandHeight = 8;

QRect inBands(const QRect& area) {
    const int top = area.top() / kBandHeight * kBandHeight;
    const int bottom = (area.bottom() / kBandHeight + 1) * kBandHeight - 1;
    return QRect(QPoint(area.left(), top), QPoint(area.right(), bottom));
}

} // namespace

QRegion PictureChanges::differences() const {
    std::vector<QRect> areas;
    const std::size_t common = std::min(shown.size(), now.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (shown[i].paintsAlike(now[i]))
            continue;
        areas.push_back(inBands(shown[i].area));
        if (now[i].area != shown[i].area)
            areas.push_back(inBands(now[i].area));
    }
    for (std::size_t i = common; i < shown.size(); ++i)
        areas.push_back(inBands(shown[i].area));
    for (std::size_t i = common; i < now.size(); ++i)
        areas.push_back(inBands(now[i].area));
    return areas.empty() ? QRegion() : unionOf(areas, 0, areas.size()).intersected(whole);
}
