// Planted for the include test: the model reaching up into the readers.
#include "wetter/wetterdatei.h"
