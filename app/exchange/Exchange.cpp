// The data exchange services and their registration.
#include "app/exchange/Exchange.h"

#include "app/shell/Subsystems.h"

#include <QDateTime>

namespace qel::exchange {
namespace {

Moment systemNow() {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    return {Date(d.year(), d.month(), d.day()), t.time().hour(), t.time().minute(), t.time().second()};
}

} // namespace

DataExchange::DataExchange() : now(systemNow) {}

} // namespace qel::exchange

namespace qel {

void registerExchange(SubsystemParts& parts) {
    registerServices(parts.make<exchange::DataExchange>());
}

} // namespace qel
