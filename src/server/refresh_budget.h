// Bounds how long one refresh from the school server (the list and every scheme) may block the
// user-interface thread: 3 s in all, so a slow server delays a bell by no more than that.
#pragma once

#include "server/http_fetch.h"

class RefreshBudget
{
public:
    static constexpr int kRefreshMs = 3000;

    // Joins the refresh under way, or opens a new one when there is none.
    RefreshBudget();
    ~RefreshBudget();
    RefreshBudget(const RefreshBudget &) = delete;
    RefreshBudget &operator=(const RefreshBudget &) = delete;

    // One download's limits: the usual timeout, cut to what is left of the refresh (none once it
    // is spent, which makes the download fail at once).
    FetchLimits limits(qsizetype maxBytes) const;
};
