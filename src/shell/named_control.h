// Gives a control its name, so code and tests can find it with findChild.
#pragma once

#include <QLatin1String>

template<typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
