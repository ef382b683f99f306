// The program's icon: a pressure gauge.
#pragma once

#include <QIcon>

QIcon MorvaneIcon();
