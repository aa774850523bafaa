#include "tests/app/printing/AssetPrintTest.h"

#include "app/printing/Printing.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/QtTestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace qel::test {
namespace {

struct AssetPrintFixture : AssetsFixture {
    AssetPrintFixture() {
        printing.today = [] { return Date(2025, 3, 15); };
        registerServices(static_cast<PrintingServices&>(printing));
    }
    printing::Printing printing;
};

} // namespace

void AssetPrintTest::printWaitsForAStoredAsset() {
    AssetPrintFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(!form.cmdPrint->isEnabled());
    form.setAssetId("17");
    QVERIFY(form.cmdPrint->isEnabled());
    form.setAssetId(QString());
    QVERIFY(!form.cmdPrint->isEnabled());
}

void AssetPrintTest::printPrintsTheFormAsItStands() {
    AssetPrintFixture f;
    assets::FrmAsset& form = f.open();
    form.setAssetId("17");
    form.txtDescription->setText("Office desk");
    form.txtCost->setText("999.5");
    form.txtNotes->setText("Keep dry");
    form.txtTagNbr->setText("T-1");
    form.cboConvention->setCurrentIndex(form.cboConvention->findText("Mid Qtr"));
    const std::string pdf = (f.shell.fresh.folder() / "detail.pdf").string();
    f.shell.ui.answerPrint(QString::fromStdString(pdf));
    form.cmdPrint->click();
    QVERIFY(f.shell.ui.messages().isEmpty());
    const std::string text = pdfText(pdf);
    QCOMPARE(pdfPageCount(pdf), 1);
    for (const char* expected : {"Company", "03/15/2025", "Asset Detail", "Office desk", "Asset ID:", "17",
                                 "1,000", "MQ", "Notes:", "Keep dry", "Long Descr:", "T-1"})
        QVERIFY2(text.find(expected) != std::string::npos, expected);
    // No disposal month is entered.
    QVERIFY(text.find("Disposition Data:") == std::string::npos);
}

QEL_QTEST_REGISTER(AssetPrintTest);

} // namespace qel::test
