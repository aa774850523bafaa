// The run over the periods of a range.
#include "app/books/RangePosting.h"

namespace qel {
namespace {

// "201203", or "201203 to 201205".
QString span(const QStringList& periods) {
    if (periods.size() == 1)
        return periods.front();
    return periods.front() + QStringLiteral(" to ") + periods.back();
}

} // namespace

RangePosting postPeriods(const QStringList& periods, const std::function<void(const QString&)>& post,
                         const std::function<void(int index, int total, const QString& period)>& progress) {
    RangePosting run;
    const auto total = static_cast<int>(periods.size());
    for (int i = 0; i < total; ++i) {
        const QString& period = periods[i];
        if (progress)
            progress(i, total, period);
        try {
            post(period);
        } catch (const ServerError& e) {
            run.failedPeriod = period;
            run.failure = e;
            return run;
        }
        run.posted << period;
    }
    return run;
}

QString postedSummary(const QStringList& periods, const RangePosting& run) {
    QString text;
    if (run.posted.isEmpty()) {
        text = QStringLiteral("No period was posted.");
    } else {
        const auto n = run.posted.size();
        text = QStringLiteral("Posted: %1 (%2 %3).")
                   .arg(span(run.posted))
                   .arg(n)
                   .arg(n == 1 ? QStringLiteral("period") : QStringLiteral("periods"));
    }
    const QStringList rest = periods.mid(run.posted.size());
    if (!rest.isEmpty())
        text += QStringLiteral(" Not posted: ") + span(rest) + QLatin1Char('.');
    return text;
}

} // namespace qel
