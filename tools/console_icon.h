// What the console programs' icons share: the rounded tile they are drawn on, their sizes, and
// the generator's run that samples a drawing at each size and writes the .ico file.
#pragma once

#include "drillview/icon_sampling.h"

// Whether a point of the unit square lies on the tile.
bool insideRoundedTile(double x, double y);

// The whole generator: the drawing sampled at each of the console icons' sizes, written to the
// one file its arguments name. Answers the exit code: 0 written, 1 not, 2 a wrong command line.
int writeConsoleIcon(int argc, char** argv, IconShape shape);
