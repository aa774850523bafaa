// The books panel of the asset form.
#include "app/assets/BooksPanel.h"

#include "app/assets/AssetLists.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace qel::assets {
namespace {

// The asset procedures' error boxes put two blanks between the cause and the number.
const QString kTwoBlanks = QStringLiteral("  ");

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The item data of the chosen entry; 0 when nothing is chosen.
std::int32_t chosenItemData(const QComboBox& cbo) {
    return cbo.currentIndex() < 0 ? 0 : itemData(cbo, cbo.currentIndex());
}

// Chooses the first entry with that item data; no choice for 0 or when no entry has it.
void chooseItemData(QComboBox& cbo, std::int32_t id) {
    cbo.setCurrentIndex(id > 0 ? cbo.findData(id, kItemDataRole) : -1);
}

BookControls controlsOf(const FormControls& c, std::int16_t bookId, const char* name) {
    const QString n = QString::fromLatin1(name);
    return {bookId,
            c.get<QLineEdit>("txt" + n + "179"),
            c.get<QLineEdit>("txt" + n + "BusinessPercent"),
            c.get<QLineEdit>("txt" + n + "Cost"),
            c.get<QLineEdit>("txt" + n + "Life"),
            c.get<QLineEdit>("txt" + n + "Salvage"),
            c.get<QComboBox>("cbo" + n + "Bonus"),
            c.get<QComboBox>("cbo" + n + "Convention"),
            c.get<QComboBox>("cbo" + n + "Method"),
            c.get<QLabel>("lbl" + n + "Bonus"),
            c.get<QLabel>("lbl" + n + "Method"),
            c.get<QLabel>("lbl" + n + "CostBasis")};
}

} // namespace

BookColumn BookControls::column() const {
    BookColumn c;
    c.section179 = s179->text().toStdString();
    c.businessPercent = businessPercent->text().toStdString();
    c.cost = cost->text().toStdString();
    c.life = life->text().toStdString();
    c.salvage = salvage->text().toStdString();
    c.bonusId = chosenItemData(*bonus);
    c.conventionId = chosenItemData(*convention);
    c.methodId = chosenItemData(*method);
    c.allowance = bonusAmount->text().toStdString();
    c.methodCaption = methodCaption->text().toStdString();
    c.costBasis = costBasis->text().toStdString();
    return c;
}

void BookControls::show(const BookColumn& c) const {
    s179->setText(q(c.section179));
    businessPercent->setText(q(c.businessPercent));
    cost->setText(q(c.cost));
    life->setText(q(c.life));
    salvage->setText(q(c.salvage));
    chooseItemData(*bonus, c.bonusId);
    chooseItemData(*convention, c.conventionId);
    chooseItemData(*method, c.methodId);
    bonusAmount->setText(q(c.allowance));
    methodCaption->setText(q(c.methodCaption));
    costBasis->setText(q(c.costBasis));
}

void BookControls::setEnabled(bool on) const {
    for (QWidget* w : std::initializer_list<QWidget*>{s179, businessPercent, cost, life, salvage, bonus,
                                                      convention, method})
        w->setEnabled(on);
}

BooksPanel::BooksPanel(const FormControls& controls)
    : columns_{controlsOf(controls, kAmtBook, "Amt"), controlsOf(controls, kStateBook, "State"),
               controlsOf(controls, kOtherBook, "Other")} {}

const BookControls& BooksPanel::column(std::int16_t bookId) const {
    for (const BookControls& c : columns_)
        if (c.bookId == bookId)
            return c;
    throw std::logic_error("no alternative book " + std::to_string(bookId));
}

void BooksPanel::PopulateConventionCbo(QComboBox& cbo) {
    fillFromDeprSupport("Error in PopulateConventionCbo. ", cbo, true, false,
                        [](DeprSupport& s) { return s.GetConventions(); });
}

void BooksPanel::PopulateBonusCbo(QComboBox& cbo) {
    fillFromDeprSupport("Error in PopulateBonusCbo. ", cbo, true, true,
                        [](DeprSupport& s) { return s.GetBonusDepr(); });
}

void BooksPanel::PopulateBookCbo(QComboBox& cbo, bool includeFederal) {
    fillFromDeprSupport("Error in PopulateBookCbo. ", cbo, true, false,
                        [&](DeprSupport& s) { return s.GetBookCbo(includeFederal); });
}

void BooksPanel::SetBooksFields(std::int32_t companyId) {
    // Until the settings are read no book is on, so a failed lookup switches none on.
    switches_ = {};
    runWithErrorBox(
        QStringLiteral("Error in SetBooksFields. "),
        [&] {
            DeprSupport support;
            switches_ = BookSwitchesOf(support.GetBooksSettings(companyId));
        },
        kTwoBlanks);
    for (const BookControls& c : columns_)
        if (switches_.on(c.bookId))
            c.setEnabled(true);
}

void BooksPanel::ClearBooksFields() const {
    for (const BookControls& c : columns_)
        if (switches_.on(c.bookId))
            c.show(blankBookColumn());
}

void BooksPanel::GetBooksAssetData(std::int32_t assetId, std::int32_t companyId) const {
    ClearBooksFields();
    DeprSupport support;
    for (const BookControls& c : columns_) {
        if (!switches_.on(c.bookId))
            continue;
        runWithErrorBox(
            QStringLiteral("Error in GetBooksAssetData. "),
            [&] { c.show(BookColumnOf(support.GetBooksAsset(assetId, companyId, Variant(c.bookId)))); },
            kTwoBlanks);
    }
}

void BooksPanel::CopyToBooksFields(const AssetSnapshot& federal) const {
    const BookColumn copied = CopiedBookColumn(federal);
    for (const BookControls& c : columns_)
        if (switches_.on(c.bookId))
            c.show(copied);
}

} // namespace qel::assets
