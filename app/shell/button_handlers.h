#pragma once

#include "main_form.h"

// The click handler of BUTTON1..BUTTON13.
Handler buttonHandler(int button);
