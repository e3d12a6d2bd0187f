#pragma once
// Result rows live with the toolkit (its grids show them); the data layer fills them.
#include "toolkit/Rows.h"
