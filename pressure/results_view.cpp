#include "results_view.h"

#include "main_form.h"

// The results view is not built yet: the button does nothing.
void BUTTON6_ON(MainForm&) {}
