// The reports' catalogue against the menu table and the report windows: every report item of the
// menus has its row, every report the menus offer has its item, and every report that opens no
// window has its handler.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportCatalogueMenuTest : public QObject {
    Q_OBJECT
private slots:
    void everyReportItemFindsItsRow();
    void everyMenuReportHasItsItem();
    void everyReportWithoutAWindowHasItsHandler();
};

} // namespace qel::test
