// mirelo's entry point: options, the names file and the run.
#pragma once

int mirelo_main(int argc, char** argv);
