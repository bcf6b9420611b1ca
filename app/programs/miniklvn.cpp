#include "game_profiles.h"
#include "program.h"

int main(int argc, char** argv) {
    return runProgram(kMiniklvn, argc, argv);
}
