// Reaches up: the check must name this line.
#pragma once

#include "high/upper.h"
#include "low/other.h"
