// A folder missing from the layer list.
#pragma once
