// frmLocation "Chose a location": the modal choice of the location whose assets the asset
// listing shows, or "All" (every location), which is chosen when it opens. OK closes it with the
// choice in locationId(); Cancel and Esc close it with nothing chosen.
#pragma once

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace qel::reports {

class FrmLocation : public QDialog {
public:
    explicit FrmLocation(QWidget* parent = nullptr);

    // The location chosen with OK: a location id, or kAllLocations.
    std::int32_t locationId() const { return locationId_; }

    void cmdOK_Click();

    QLabel* Label1;
    QComboBox* cboLocation;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    std::int32_t locationId_ = 0;
};

} // namespace qel::reports
