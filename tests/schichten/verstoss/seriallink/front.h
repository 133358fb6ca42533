#pragma once
#include <QSerialPort>
#include <QMessageBox>
#include "widgets/dialoge.h"
