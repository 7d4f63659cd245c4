#pragma once

// The program: chooses the product from the path it was started from, sets up settings and
// translations, shows the main window and runs until it is closed. Returns the exit status:
// 1 when the path names no product, else 0.
int hestivaMain(int argc, char** argv);
