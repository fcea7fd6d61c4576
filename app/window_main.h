#pragma once

// Runs the program with its window; returns the exit code.
int RunWindow(int argc, char** argv);
