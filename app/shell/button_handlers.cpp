#include "button_handlers.h"

#include "commands.h"
#include "prediction.h"
#include "record_commands.h"
#include "results_view.h"

#include <array>

Handler buttonHandler(int button) {
    static constexpr std::array<Handler, 13> kHandlers{
        &BUTTON1_ON,  &BUTTON2_ON,  &BUTTON3_ON, &BUTTON4_ON, &BUTTON5_ON,
        &BUTTON6_ON,  &BUTTON7_ON,  &BUTTON8_ON, &BUTTON9_ON, &BUTTON10_ON,
        &BUTTON11_ON, &BUTTON12_ON, &BUTTON13_ON};
    return kHandlers.at(static_cast<std::size_t>(button - 1));
}
