// The signal of the program state's changes (ProgramState.h), in a header of its own so that moc
// reads only Qt's headers.
#pragma once

#include <QObject>

namespace qel {

class ProgramStateSignals : public QObject {
    Q_OBJECT
signals:
    // The current company, the password switch or the logon's level has changed.
    void changed();
};

// The one instance; the setters of ProgramState.h emit its changed().
ProgramStateSignals& programStateSignals();

} // namespace qel
