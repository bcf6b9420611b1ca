#pragma once

struct GameProfile;

// Runs one of the programs with its game profile: the application, the window, the main loop.
// Returns the program's exit status.
int runProgram(const GameProfile& profile, int argc, char** argv);
