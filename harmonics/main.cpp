#include "harmonics_main.h"

int main(int argc, char** argv) { return spectrum_main(argc, argv); }
