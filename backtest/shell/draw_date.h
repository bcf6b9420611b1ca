#pragma once

#include <QDate>
#include <QStringView>
#include <optional>

// The date of a draw as results tables and pages print it, folded to ASCII digits and brackets
// beforehand: 2026/1/9, 2026-01-09, 2026.1.9, 2026年1月9日, the Japanese era in full
// (令和8年1月9日, 平成元年5月1日) or short (R8.1.9, H31.4.30), each with or without the weekday in
// brackets after it ("(金)"). Nothing for a field that is no such date, or no day of the calendar.
std::optional<QDate> drawDate(QStringView field);
