// The asset picker: typing the start of a description completes it from the list and Enter picks
// that asset, without adding an entry; a list the data server cannot give leaves the picker as it
// was, after the error box.
#include "tests/app/assets/AssetPickerTest.h"

#include "app/assets/AssetPicker.h"
#include "server/data/Db.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QComboBox>
#include <QLineEdit>

namespace qel::test {

void AssetPickerTest::typingCompletesAndPicksAnAsset() {
    AssetsFixture f;
    addAsset({.name = "Office desk", .company = 1, .method = kMacrs});
    const std::int32_t truck = addAsset({.name = "Truck", .company = 1, .method = kMacrs});
    addAsset({.name = "Trailer", .company = 1, .method = kMacrs});
    assets::FrmAsset& form = f.open();
    QCOMPARE(form.cboAssets->count(), 3);
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    form.cboAssets->setFocus();
    QTest::keyClicks(form.cboAssets, "tru");
    QCOMPARE(form.cboAssets->currentText().toLower(), QStringLiteral("truck"));
    QTest::keyClick(form.cboAssets, Qt::Key_Return);
    QCOMPARE(form.picker().chosenAsset(), std::optional<std::int32_t>(truck));
    QCOMPARE(form.cboAssets->count(), 3);
}

void AssetPickerTest::aFailedListKeepsThePicker() {
    AssetsFixture f;
    addAsset({.name = "Office desk", .company = 1, .method = kMacrs});
    assets::FrmAsset& form = f.open();
    db().Disconnect(); // every list now fails with "not connected"
    form.GetAssetList();
    QCOMPARE(form.cboAssets->count(), 1);
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY2(f.shell.ui.messages()[0].startsWith("Error in GetAssetList "),
             qPrintable(f.shell.ui.messages()[0]));
}

QEL_QTEST_REGISTER(AssetPickerTest);

} // namespace qel::test
