#include "screens/login/TRegistro.h"

TRegistro::TRegistro(QWidget* parent) : QWidget(parent) {}
