#include "server/refresh_budget.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <optional>

namespace {

std::optional<QDeadlineTimer> current;
int holders = 0;

} // namespace

RefreshBudget::RefreshBudget()
{
    if (holders++ == 0)
        current = QDeadlineTimer(kRefreshMs);
}

RefreshBudget::~RefreshBudget()
{
    if (--holders == 0)
        current.reset();
}

FetchLimits RefreshBudget::limits(qsizetype maxBytes) const
{
    FetchLimits limits;
    limits.maxBytes = maxBytes;
    limits.timeoutMs
        = std::min<long>(limits.timeoutMs, static_cast<long>(current->remainingTime()));
    return limits;
}
