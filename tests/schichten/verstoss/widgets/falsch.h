#pragma once
// Planted for the include test: a widget reaching up into the layers above it.
#include "basis/zahltext.h"
#include "workspace/SDIMAIN.h"
#include "../app/anwendung.h"
#include "falsch_auch.h"
