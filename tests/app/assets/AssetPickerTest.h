// The asset picker of the asset form: type-ahead over its model.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetPickerTest : public QObject {
    Q_OBJECT
private slots:
    void typingCompletesAndPicksAnAsset();
    void aFailedListKeepsThePicker();
};

} // namespace qel::test
