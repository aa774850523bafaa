// What the asset entry's save, load and delete tests arrange and read: the form's storage work, a
// company with its books, account, location and classes, the asset form filled as a user fills
// it, and everything the form shows or the database holds of assets, as text to compare.
#pragma once

#include "app/assets/AssetLists.h"
#include "app/assets/AssetPicker.h"
#include "app/assets/AssetStorage.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/rules/AssetAmounts.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ProgramState.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace qel::test {

using assets::FrmAsset;

inline assets::AssetFormWork storageWork() {
    assets::AssetFormWork work;
    assets::addStorageWork(work);
    return work;
}

// What a test arranges before the form opens: a company keeping the books given, an account, a
// location and a 7-year desk class and a 5-year car class of the MACRS method.
struct Arranged {
    std::int32_t company = 0;
    std::int32_t account = 0;
    std::int32_t location = 0;
    std::int32_t deskClass = 0;
    std::int32_t carClass = 0;
};

inline Arranged arrange(const FreshDatabase& db, bool amt, bool state, bool other) {
    Arranged a;
    a.company = addCompany("Books");
    db.exec("UPDATE tblCompany SET [AMT Book] = " + std::to_string(amt) +
            ", [State Book] = " + std::to_string(state) + ", [Other Book] = " + std::to_string(other) +
            " WHERE id = " + std::to_string(a.company));
    setCurrentCompany(a.company, "Books");
    a.account = addAccount("Furniture", "1500", "1600", "6000");
    db.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('Office', 'Main office')");
    a.location = db.value("SELECT max(Location_ID) FROM tblLocations").toInt32();
    a.deskClass = addClass("Desks");
    db.exec(
        "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], ID_acct)"
        " VALUES (1, 'Cars', '5', 'Gas', '0', 0)");
    a.carClass = db.value("SELECT max(ID) FROM tblDeprClass").toInt32();
    return a;
}

inline void chooseText(QComboBox& cbo, const QString& text) {
    const int i = cbo.findText(text);
    if (i < 0)
        throw std::logic_error("no entry " + text.toStdString() + " in " + cbo.objectName().toStdString());
    cbo.setCurrentIndex(i);
}

inline void chooseData(QComboBox& cbo, std::int32_t id) {
    const int i = cbo.findData(id, kItemDataRole);
    if (i < 0)
        throw std::logic_error("no item data " + std::to_string(id) + " in " +
                               cbo.objectName().toStdString());
    cbo.setCurrentIndex(i);
}

// Chooses the method and, as its field rule does, fills its lives and classes.
inline void chooseMethod(FrmAsset& f, const QString& method) {
    chooseText(*f.cboMethod, method);
    assets::PopulateLifeCbo(*f.cboLife, method);
    assets::PopulateTypeCbo(*f.cboClass, itemData(*f.cboMethod, f.cboMethod->currentIndex()));
}

// The allowance label at the rate of the ticked bonus box, as the bonus box's rule writes it.
inline void showAllowance(FrmAsset& f, double rate) {
    f.lbl30Allowance->setText(QString::fromStdString(
        assets::allowanceCaption(assets::CalculateBonusAllowance(f.snapshot(), rate))));
}

// A sold MACRS desk with every field of the form filled.
inline void fillDesk(FrmAsset& f, const Arranged& a) {
    f.txtDescription->setText("Office desk");
    f.txtInService->setText("03/2024");
    f.txtTagNbr->setText("T-100");
    f.mskSold->setText("02/2025");
    f.txtDispositionAmt->setText("4000");
    chooseData(*f.cboLocations, a.location);
    chooseData(*f.cboAccounts, a.account);
    f.txtSerialNbr->setText("SN-7");
    f.txtNotes->setText("By the door");
    f.txtCost->setText("10000");
    chooseMethod(f, "MACRS");
    chooseData(*f.cboClass, a.deskClass);
    chooseText(*f.cboLife, "7");
    f.txtBusinessPercent->setText("75");
    chooseText(*f.cboConvention, "Half Year");
    f.chk179->setChecked(true);
    f.txt179Amt->setText("1000");
    f.txtOtherDeductions->setText("500");
    f.chk50Bonus->setChecked(true);
    showAllowance(f, 0.5);
    f.lblShowMethod->setText("200 DB");
    f.lblAutoNum->setText("3");
    f.txtBookCost->setText("10000");
    f.txtBookLife->setText("5");
    f.chkAdjDepr->setChecked(true);
}

// A stored 7-year MACRS desk of 1000 dollars of the arranged company, placed in service in March
// 2024, with its financial book.
inline AssetRow storedDesk(const Arranged& a) {
    return {.name = "Desk",
            .company = a.company,
            .method = kMacrs,
            .cost = 1000,
            .business = 1,
            .placed = "2024-03-01",
            .life = 7,
            .convention = kHalfYear,
            .account = a.account,
            .bookLife = 5,
            .bookCost = 1000};
}

// The desk as a 5-year car of the vehicle class.
inline void fillCar(FrmAsset& f, const Arranged& a) {
    fillDesk(f, a);
    chooseData(*f.cboClass, a.carClass);
    chooseText(*f.cboLife, "5");
}

// The car as a new vehicle 3 without a bonus, whose save asks for its use documents.
inline void fillNewVehicle(FrmAsset& f, const Arranged& a) {
    fillCar(f, a);
    f.lblAutoNum->setText("3");
    f.chk50Bonus->setChecked(false);
    f.lbl30Allowance->clear();
}

// Every value the form shows of an asset: texts, choices, ticks, computed labels and the kept
// books' columns (their figures and choices).
inline QStringList shown(const FrmAsset& f) {
    QStringList s;
    for (const QLineEdit* e : {f.txtDescription, f.txtInService, f.txtTagNbr, f.mskSold, f.txtDispositionAmt,
                               f.txtSerialNbr, f.txtNotes, f.txtAmorizeCode, f.txtCost, f.txtBusinessPercent,
                               f.txt179Amt, f.txtOtherDeductions, f.txtBookCost, f.txtBookLife})
        s << e->objectName() + "=" + e->displayText();
    for (const QComboBox* c :
         {f.cboLocations, f.cboAccounts, f.cboMethod, f.cboClass, f.cboLife, f.cboConvention})
        s << c->objectName() + "=" + c->currentText() + "#" + QString::number(c->currentIndex());
    for (const QCheckBox* c : {f.chk179, f.chkBonus, f.chk50Bonus, f.chk100Bonus, f.chkExclude, f.chkAdjDepr})
        s << c->objectName() + "=" + QString::number(c->isChecked());
    for (const QLabel* l : {f.lbl30Allowance, f.lblCostBasis, f.lblShowMethod, f.lblAutoNum})
        s << l->objectName() + "=" + l->text();
    for (const assets::BookControls& b : f.books().columns()) {
        if (!f.books().switches().on(b.bookId))
            continue;
        const assets::BookColumn c = b.column();
        s << QString::fromStdString("book " + std::to_string(b.bookId) + ": " + c.section179 + "|" +
                                    c.businessPercent + "|" + c.cost + "|" + c.life + "|" + c.salvage + "|" +
                                    std::to_string(c.bonusId) + "|" + std::to_string(c.conventionId) + "|" +
                                    std::to_string(c.methodId));
    }
    return s;
}

// Chooses the asset in the picker and clicks Retrieve.
inline void retrieve(FrmAsset& f, std::int32_t asset) {
    chooseData(*f.cboAssets, asset);
    f.cmdSearch->click();
}

inline std::int64_t count(const FreshDatabase& db, const std::string& where) {
    return db.value("SELECT count(*) FROM " + where).toInt64();
}

// The five tables of assets, as text.
inline QStringList tables(const FreshDatabase& db) {
    QStringList all;
    for (const char* t : {"tblAssets", "tblAssetDescription", "tblDepr", "tblPeriodDepr", "tblBookMethods"}) {
        const Recordset rs = db.conn().query(std::string("SELECT * FROM ") + t + " ORDER BY rowid");
        for (const auto& row : rs.rows()) {
            QString line = t;
            for (const Variant& v : row)
                line += "|" + QString::fromStdString(v.toString());
            all << line;
        }
    }
    return all;
}

} // namespace qel::test
