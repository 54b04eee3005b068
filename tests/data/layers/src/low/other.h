// Included by a path that names no layer folder.
#include "lower.h"
#include <high/upper.h>
#include <vector>
