// Planted for the include test: the readers with a widget and a window's header.
#include "geometry/messreihe.h"
#include <QWidget>
#include "workspace/jahresverschattung.h"
#include <QJsonDocument>
