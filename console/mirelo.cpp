#include "mirelo.h"

int mirelo_main(int, char**) { return 0; }
