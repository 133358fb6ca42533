// Planted for the include test: the pure arithmetic with a Qt header.
#include <QString>
#include <cmath>
