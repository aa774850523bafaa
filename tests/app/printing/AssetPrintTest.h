// The asset form's Print button through the real main window: off without printing or a stored
// asset, and the "Asset Detail" page of the form as it stands printed to a PDF file.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printWaitsForAStoredAsset();
    void printPrintsTheFormAsItStands();
};

} // namespace qel::test
