// Tests may include anything.
#include "app/anwendung.h"
