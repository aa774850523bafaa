// Posting a range of fiscal periods one after another, each period in its own call (and so its
// own transaction in the data server), stopping at the first period that fails.
#pragma once

#include "common/ServerError.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qel {

struct RangePosting {
    // The periods posted, in order.
    QStringList posted;
    // The period that failed and why; empty when every period was posted.
    QString failedPeriod;
    std::optional<ServerError> failure;
};

// Posts the periods in order through post. Before each period, progress learns its position
// (0-based) among the total, so that a window can say "period n of N" and keep answering. The
// first ServerError stops the run: the periods after it are not tried.
RangePosting postPeriods(const QStringList& periods, const std::function<void(const QString&)>& post,
                         const std::function<void(int index, int total, const QString& period)>& progress);

// What a stopped run posted and left out, in one sentence or two: "No period was posted.", or
// "Posted: 201203 to 201205 (3 periods)."; then "Not posted: 201206 to 201302.".
QString postedSummary(const QStringList& periods, const RangePosting& run);

} // namespace qel
