// May include the lower layer.
#pragma once

#include "low/lower.h"
