#include "mirelo.h"

int main(int argc, char** argv) { return mirelo_main(argc, argv); }
