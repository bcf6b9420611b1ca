#include "prediction.h"

#include "main_form.h"

// The prediction is not built yet: the button does nothing.
void BUTTON5_ON(MainForm&) {}
