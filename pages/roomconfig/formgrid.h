#pragma once
// The grids the editor pages of room configuration are laid out with.

class QGridLayout;

// A grid without a size constraint and with spacing 20.
QGridLayout *formGrid();
