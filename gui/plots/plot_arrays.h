// The plot windows' arrays for one run, allocated when the run starts from
// the grid it will use.
#pragma once

class QProgressBar;
class TPlotForm;
class TTimePlotForm;
class grid_parameters;

// The wavefunction window gets the grid's x node count as PointCount, its
// upper graph's x range and WaveData; the time window gets tdim as
// StepCount, its graph's ranges and the three arrays, cleared to zero; the
// bar runs from 0 to tdim. A failed allocation is told in a box and leaves
// the array empty (so are the time arrays after the one that failed); the
// run still starts and nothing is stored in an empty array. Counts of a grid
// that could not be read count as 0. Missing windows are skipped.
void prepare_plot_arrays(TPlotForm* plot, TTimePlotForm* time_plot, QProgressBar* progress,
                         const grid_parameters& grid);
