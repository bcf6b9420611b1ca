#pragma once

#include <string_view>

class QIcon;

// The window's icon, by the name of its XPM image ("rk7klvn"); no icon for an unknown name.
QIcon loadWindowIcon(std::string_view name);
