#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// The fields of one line of a results table or page, as a person reads them. The line is folded
// first (NFKC), so that full-width digits, commas, brackets and blanks read as their ASCII forms.
// Fields are separated by commas or tabs; a line with neither, as a row or a block copied from a
// web page is, by runs of blanks. A field in double quotes may hold separators ("1,234,567円"),
// a doubled quote in it standing for one. Blanks around a field are dropped.
QStringList lineFields(QStringView line);

// How many fields lineFields would make of the line, counted in one pass without making them:
// a line of millions of commas is measured before anything is built from it.
qsizetype lineFieldCount(QStringView line);

// One or two digits, bare or in brackets as pages print a bonus ("(09)"): a number of a draw.
std::optional<int> drawnNumber(const QString& field);

// A draw number: digits, bare or written 第1234回.
std::optional<int> drawNumberOf(QStringView field);
