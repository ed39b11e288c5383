#include "common/clock.h"

#include <optional>

namespace {
std::optional<QDateTime> fixedMoment;
}

QDateTime Clock::now()
{
    return fixedMoment ? *fixedMoment : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime &moment)
{
    fixedMoment = moment;
}

void Clock::advanceSeconds(int seconds)
{
    if (fixedMoment)
        fixedMoment = fixedMoment->addSecs(seconds);
}

void Clock::useSystem()
{
    fixedMoment.reset();
}
