// Compiled as a display file: the seam is in reach, the managers' records are not.
#include "Display/ModelView.h"
#include "Windows/Window.h"
