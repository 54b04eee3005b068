// Included by a path that names no layer folder.
#include "lower.h"
