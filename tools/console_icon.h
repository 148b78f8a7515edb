// What the console programs' icons share: the rounded tile they are drawn on, a white figure
// on it, their sizes, and the generator's run that samples a drawing at each size and writes
// the .ico file.
#pragma once

#include "drillview/icon_sampling.h"

// The tile's colour at a point of the unit square, false off the tile: white on the figure,
// else lighter at the top and darker at the bottom, from `top` less `fall` times the height
// (channels from 0 to 255).
bool tileColour(double x, double y, bool onFigure, IconColour top, IconColour fall,
                IconColour& colour);

// The whole generator: the drawing sampled at each of the console icons' sizes, written to the
// one file its arguments name. Answers the exit code: 0 written, 1 not, 2 a wrong command line.
int writeConsoleIcon(int argc, char** argv, IconShape shape);
