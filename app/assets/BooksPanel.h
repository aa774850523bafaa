// The books panel of the asset form: the AMT, State and Other columns beside the Federal one.
// It switches on the books the current company keeps, fills the panel's lists (conventions,
// bonus choices, the book list of the Tax button), blanks the columns, loads a stored asset's
// book rows into them, and copies the Federal figures into every book that is on. A book that is
// off is never touched.
#pragma once

#include "app/assets/rules/BookRules.h"
#include "app/shell/FormTable.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;

namespace qel::assets {

// The eleven controls of one book's column.
struct BookControls {
    std::int16_t bookId;
    QLineEdit* s179;
    QLineEdit* businessPercent;
    QLineEdit* cost;
    QLineEdit* life;
    QLineEdit* salvage;
    QComboBox* bonus;
    QComboBox* convention;
    QComboBox* method;
    QLabel* bonusAmount;
    QLabel* methodCaption;
    QLabel* costBasis;

    // What the column shows (texts, the item data of its choices, the labels).
    BookColumn column() const;
    // Shows the column: a choice whose item data no entry carries shows no choice.
    void show(const BookColumn& c) const;
    void setEnabled(bool on) const;
};

class BooksPanel {
public:
    // The columns' controls of the built asset form.
    explicit BooksPanel(const FormControls& controls);

    const std::array<BookControls, 3>& columns() const { return columns_; }
    const BookControls& column(std::int16_t bookId) const;
    const BookSwitches& switches() const { return switches_; }

    // Fills each book's convention, bonus and method lists the same way as the Federal ones; the
    // method lists are filled by the form's list set-up.
    static void PopulateConventionCbo(QComboBox& cbo);
    // The bonus choices with "100 Percent" (item data 10) appended.
    static void PopulateBonusCbo(QComboBox& cbo);
    // The books of tblBooks but "Book"; "Federal" only with includeFederal.
    static void PopulateBookCbo(QComboBox& cbo, bool includeFederal);

    // Reads the company's book switches and enables the columns of the books that are on (a
    // company without a settings row keeps none). Nothing is disabled here.
    void SetBooksFields(std::int32_t companyId);
    // Blanks the columns of the books that are on.
    void ClearBooksFields() const;
    // Shows the stored rows of the asset's books that are on; a book without a row shows blank.
    void GetBooksAssetData(std::int32_t assetId, std::int32_t companyId) const;
    // Puts the Federal column's figures into every book that is on.
    void CopyToBooksFields(const AssetSnapshot& federal) const;

private:
    std::array<BookControls, 3> columns_;
    BookSwitches switches_;
};

} // namespace qel::assets
