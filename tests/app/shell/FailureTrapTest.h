// The trap of work made of many steps: each failure shown and the work going on, a repeated
// failure ending it.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class FailureTrapTest : public QObject {
    Q_OBJECT
private slots:
    void failuresAreShownUntilOneRepeats_data();
    void failuresAreShownUntilOneRepeats();
    void noStepRunsOnceTheWorkHasStopped();
    void aTrapOfItsOwnFormatShowsItsText();
};

} // namespace qel::test
