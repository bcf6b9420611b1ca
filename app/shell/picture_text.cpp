#include "picture_text.h"

#include "main_form.h"
#include "palette.h"
#include "profile_text.h"
#include "window_text.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace {

// The key numbers and their subtractions stand between the two pyramids.
constexpr int kPyramidsDivide = 250;

QString pyramidName(bool high) {
    return high ? QStringLiteral("高気圧型") : QStringLiteral("低気圧型");
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isTwoDigits(QStringView text) {
    return text.size() == 2 && isAsciiDigit(text[0]) && isAsciiDigit(text[1]);
}

bool inHighPyramid(const ShownText& text) {
    return text.at.x < kPyramidsDivide;
}

// A cell holds a two-digit number; a line sum of 「計算結果」 is a blank and two digits.
bool isCell(const ShownText& text) {
    return (text.colour == Colour::Red || text.colour == Colour::Blue) && isTwoDigits(text.text);
}

bool isLineSum(const ShownText& text) {
    return text.colour != Colour::DarkGreen && text.text.startsWith(u' ') &&
           isTwoDigits(QStringView(text.text).mid(1));
}

bool isKeySubtraction(const ShownText& text) {
    return text.colour == Colour::DarkGreen && std::ranges::any_of(text.text, isAsciiDigit);
}

// The texts in rows from the top, each row from the left, trimmed and joined by blanks.
QStringList rowsOf(const std::vector<ShownText>& texts) {
    std::map<int, std::map<int, QString>> rows;
    for (const ShownText& text : texts)
        rows[text.at.y][text.at.x] = text.text.trimmed();
    QStringList lines;
    for (const auto& [y, row] : rows) {
        QStringList items;
        for (const auto& [x, item] : row)
            items << item;
        lines << items.join(u' ');
    }
    return lines;
}

std::vector<ShownText> chosen(const std::vector<ShownText>& shown, bool (*kind)(const ShownText&),
                              bool highPyramid) {
    std::vector<ShownText> texts;
    std::ranges::copy_if(shown, std::back_inserter(texts), [&](const ShownText& text) {
        return kind(text) && inHighPyramid(text) == highPyramid;
    });
    return texts;
}

QStringList pyramidLines(const std::vector<ShownText>& shown) {
    QStringList lines;
    for (const bool high : {true, false}) {
        const QStringList rows = rowsOf(chosen(shown, isCell, high));
        for (qsizetype row = 0; row < rows.size(); ++row)
            lines << QStringLiteral("%1 %2 段目: %3")
                         .arg(pyramidName(high))
                         .arg(row + 1)
                         .arg(rows[row]);
    }
    return lines;
}

// The line sums in the order they were drawn, which goes family by family.
QStringList lineSumLines(const std::vector<ShownText>& shown) {
    QStringList lines;
    for (const bool high : {true, false}) {
        QStringList sums;
        for (const ShownText& text : chosen(shown, isLineSum, high))
            sums << text.text.trimmed();
        if (!sums.isEmpty())
            lines << QStringLiteral("計算結果 %1: %2").arg(pyramidName(high), sums.join(u' '));
    }
    std::vector<ShownText> subtractions;
    std::ranges::copy_if(shown, std::back_inserter(subtractions), isKeySubtraction);
    const QStringList pairs = rowsOf(subtractions);
    if (pairs.size() == 2)
        lines << QStringLiteral("計算結果 表: %1  裏: %2").arg(pairs[0], pairs[1]);
    return lines;
}

QString header(const std::vector<ShownText>& shown) {
    const auto found = std::ranges::find_if(
        shown, [](const ShownText& text) { return text.text.endsWith(QStringLiteral("回予想")); });
    return found == shown.end() ? QString() : found->text.trimmed();
}

} // namespace

PictureText pictureText(MainForm& form, const std::vector<ShownText>& shown) {
    const QString title = toQString(form.profile.title);
    const QString predicted = header(shown);
    QStringList lines{title};
    if (!predicted.isEmpty())
        lines << predicted;
    lines << drawLines(form) << pyramidLines(shown) << keyNumbersLine(form) << lineSumLines(shown)
          << candidateListLines(form);
    const QString name = predicted.isEmpty() ? title : title + u' ' + predicted;
    return {QStringLiteral("図 ") + name, lines.join(u'\n')};
}
