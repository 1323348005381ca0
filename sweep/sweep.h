// sweep: parameter sweeps of mirelo runs (make, run, slurm, gather).
#pragma once

int sweep_main(int argc, char** argv);
