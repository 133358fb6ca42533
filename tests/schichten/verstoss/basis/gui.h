#pragma once
#include <QWidget>
#include <QtCore/QString>
#include <QString>
