#include <iostream>

#include "ovint_main.h"

int main(int argc, char** argv) { return ovint_main(argc, argv, std::cout, std::cerr); }
