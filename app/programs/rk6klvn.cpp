#include "game_profiles.h"
#include "program.h"

int main(int argc, char** argv) {
    return runProgram(kRk6klvn, argc, argv);
}
