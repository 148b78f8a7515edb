// The rounded tile the console programs' icons are drawn on, in the unit square.
#pragma once

// Whether a point of the unit square lies on the tile.
bool insideRoundedTile(double x, double y);
