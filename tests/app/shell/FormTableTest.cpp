// The form builder: each control's kind, container, geometry from twips, font, colours, tip and
// help id; a fixed window wide enough for its title; the tab order; labels naming their controls; the typed
// lookup that refuses a wrong name or kind; and text boxes that take no control characters.
#include "tests/app/shell/FormTableTest.h"

#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/WindowPosition.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace qel::test {
namespace {

using K = ControlKind;

const FormDef& sampleForm() {
    static const FormDef form = {
        .name = "frmSample",
        .caption = "Sample",
        .size = {.width = 4800, .height = 3600},
        .border = Border::FixedDialog,
        .helpId = 25,
        .controls =
            {
                {.name = "fraEdit", .kind = K::GroupBox, .at = {120, 120, 4500, 1500}, .caption = "Asset"},
                {.name = "lblDescription",
                 .kind = K::Label,
                 .parent = "fraEdit",
                 .at = {120, 360, 1200, 255},
                 .caption = "&Description:",
                 .buddy = "txtDescription"},
                {.name = "txtDescription",
                 .kind = K::TextBox,
                 .parent = "fraEdit",
                 .at = {1440, 300, 2880, 315},
                 .font = {"Verdana", 9, true},
                 .foreColor = QColor(0, 0, 192),
                 .helpId = 7,
                 .tabIndex = 1},
                {.name = "txtTag",
                 .kind = K::TextBox,
                 .at = {120, 1800, 1500, 315},
                 .tip = "Tag number",
                 .tabIndex = 0},
                {.name = "lvList", .kind = K::TableView, .at = {120, 2200, 4500, 800}, .tabIndex = 3},
                {.name = "cmdOK",
                 .kind = K::CommandButton,
                 .at = {3600, 3120, 1000, 375},
                 .caption = "&OK",
                 .tip = "Save changes to the asset.",
                 .tabIndex = 2,
                 .style = kDefaultButton},
                {.name = "chkExclude",
                 .kind = K::CheckBox,
                 .at = {120, 3120, 1400, 255},
                 .caption = "E&xclude && keep",
                 .tip = "Leave the asset out of the books."},
                {.name = "lblBasis", .kind = K::Label, .at = {1600, 3120, 1000, 255}, .tip = "Cost basis"},
                {.name = "cmdFind",
                 .kind = K::CommandButton,
                 .at = {2700, 3120, 800, 375},
                 .tip = "Find an asset."},
            },
    };
    return form;
}

} // namespace

void FormTableTest::eachControlIsMadeAsItsRowSays() {
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    QCOMPARE(form.objectName(), QStringLiteral("frmSample"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Sample"));
    QCOMPARE(form.size(), QSize(twipsToPixelsX(form, 4800), twipsToPixelsY(form, 3600)));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.property("HelpContextID").toInt(), 25);
    QCOMPARE(form.font().family(), QStringLiteral("Liberation Sans"));

    auto* frame = controls.get<QGroupBox>("fraEdit");
    QCOMPARE(frame->title(), QStringLiteral("Asset"));
    auto* description = controls.get<QLineEdit>("txtDescription");
    QCOMPARE(description->objectName(), QStringLiteral("txtDescription"));
    QCOMPARE(description->parentWidget(), frame);
    QCOMPARE(description->geometry(), QRect(twipsToPixelsX(form, 1440), twipsToPixelsY(form, 300),
                                            twipsToPixelsX(form, 2880), twipsToPixelsY(form, 315)));
    QCOMPARE(description->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(description->font().pointSizeF(), 9.0);
    QVERIFY(description->font().bold());
    QCOMPARE(description->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(description->property("HelpContextID").toInt(), 7);

    auto* tag = controls.get<QLineEdit>("txtTag");
    QCOMPARE(tag->parentWidget(), &form);
    // The form's font, size and family alike.
    QCOMPARE(tag->font(), form.font());
    QCOMPARE(tag->toolTip(), QStringLiteral("Tag number"));
    QVERIFY(controls.get<QPushButton>("cmdOK")->isDefault());
    QVERIFY(controls.get<QTableView>("lvList"));
}

void FormTableTest::aFixedWindowIsWideEnoughForItsTitle_data() {
    QTest::addColumn<Border>("border");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("widened");
    const QString longTitle =
        QStringLiteral("Questions for Employers Who Provide Vehicles for Their Employees");
    QTest::newRow("dialog, short title") << Border::FixedDialog << "Sample" << false;
    QTest::newRow("dialog, long title") << Border::FixedDialog << longTitle << true;
    QTest::newRow("tool window, long title") << Border::FixedTool << longTitle << true;
    QTest::newRow("child window, long title") << Border::FixedChild << longTitle << true;
    QTest::newRow("sizable window, long title") << Border::Sizable << longTitle << false;
}

void FormTableTest::aFixedWindowIsWideEnoughForItsTitle() {
    QFETCH(Border, border);
    QFETCH(QString, title);
    QFETCH(bool, widened);
    const QByteArray caption = title.toUtf8();
    FormDef def = sampleForm();
    def.caption = caption.constData();
    def.border = border;
    QDialog form;
    const FormControls controls = buildForm(form, def);
    const int designed = twipsToPixelsX(form, 4800);
    QCOMPARE(form.width(), widened ? widthForTitle(form, title) : designed);
    QVERIFY(form.width() >= (border == Border::Sizable ? designed : widthForTitle(form, title)));
    // The controls keep to the middle: the window's own move by half the width added, those in
    // a frame move with it.
    const int shift = (form.width() - designed) / 2;
    QCOMPARE(controls.widget("txtTag")->x(), twipsToPixelsX(form, 120) + shift);
    QCOMPARE(controls.widget("cmdOK")->x(), twipsToPixelsX(form, 3600) + shift);
    QCOMPARE(controls.widget("txtDescription")->x(), twipsToPixelsX(form, 1440));
}

void FormTableTest::theTabOrderFollowsTheTabIndexes() {
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    QStringList order;
    QWidget* w = controls.widget("txtTag");
    for (int i = 0; i < 4; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
    }
    QCOMPARE(order, (QStringList{"txtTag", "txtDescription", "cmdOK", "lvList"}));
}

void FormTableTest::aLabelNamesItsControlForKeyboardAndScreenReader() {
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    auto* label = controls.get<QLabel>("lblDescription");
    QCOMPARE(label->buddy(), controls.widget("txtDescription"));
    QCOMPARE(controls.widget("txtDescription")->accessibleName(), QStringLiteral("Description:"));
}

void FormTableTest::aScreenReaderReadsEachControlAsTheUserSeesIt_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    // A caption names its control, whatever its tip says.
    QTest::newRow("ButtonByCaption") << "cmdOK"
                                     << "OK"
                                     << "Save changes to the asset.";
    QTest::newRow("CheckBoxByCaption") << "chkExclude"
                                       << "Exclude & keep"
                                       << "Leave the asset out of the books.";
    QTest::newRow("FrameByTitle") << "fraEdit"
                                  << "Asset"
                                  << "";
    // A field by the label that names it.
    QTest::newRow("FieldByLabel") << "txtDescription"
                                  << "Description:"
                                  << "";
    // Only a control with neither takes its tip.
    QTest::newRow("FieldByTip") << "txtTag"
                                << "Tag number"
                                << "Tag number";
    QTest::newRow("ValueByTip") << "lblBasis"
                                << "Cost basis"
                                << "Cost basis";
    QTest::newRow("PictureButtonByTip") << "cmdFind"
                                        << "Find an asset."
                                        << "Find an asset.";
}

void FormTableTest::aScreenReaderReadsEachControlAsTheUserSeesIt() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, tip);
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    QWidget* w = controls.widget(control);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(w);
    QVERIFY(read);
    QCOMPARE(read->text(QAccessible::Name), name);
    QCOMPARE(w->toolTip(), tip);
}

void FormTableTest::aCaptionChangedLaterRenamesItsControl() {
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    auto* ok = controls.get<QPushButton>("cmdOK");
    ok->setText(QStringLiteral("&Close"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ok)->text(QAccessible::Name), QStringLiteral("Close"));
}

void FormTableTest::aWrongNameOrKindFailsLoudly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asLineEdit");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such control") << "txtMissing" << true
                                     << "The form frmSample has no control txtMissing";
    QTest::newRow("another kind")
        << "cmdOK" << true << "The control cmdOK of the form frmSample is a QPushButton, not a QLineEdit";
}

void FormTableTest::aWrongNameOrKindFailsLoudly() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QDialog form;
    const FormControls controls = buildForm(form, sampleForm());
    try {
        controls.get<QLineEdit>(name);
        QFAIL("the lookup must fail");
    } catch (const std::logic_error& e) {
        QCOMPARE(QString::fromUtf8(e.what()), message);
    }
}

void FormTableTest::aTableWithAnUnknownContainerIsRefused() {
    FormDef broken = sampleForm();
    broken.controls.push_back({.name = "txtLost", .kind = K::TextBox, .parent = "fraNowhere"});
    QDialog other;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, buildForm(other, broken));
}

// What a row's style and length ask: alignment, the most characters a box takes, a border around a value, a
// combo box the user types into, a control that starts disabled or hidden, a child window of fixed size.
void FormTableTest::stylesShapeTheControls() {
    static const FormDef def = {
        .name = "frmStyles",
        .caption = "Styles",
        .size = {.width = 3000, .height = 2000},
        .border = Border::FixedChild,
        .controls =
            {
                {.name = "txtCost",
                 .kind = K::TextBox,
                 .at = {0, 0, 1000, 300},
                 .style = kAlignRight,
                 .maxLength = 9},
                {.name = "lblCostBasis",
                 .kind = K::Label,
                 .at = {0, 400, 1000, 300},
                 .style = kBoxBorder | kAlignRight},
                {.name = "lblHeading", .kind = K::Label, .at = {0, 800, 1000, 255}, .style = kAlignCenter},
                {.name = "cboLife", .kind = K::ComboBox, .at = {0, 1200, 1000, 315}, .style = kEditable},
                {.name = "cboMethod", .kind = K::ComboBox, .at = {1200, 1200, 1000, 315}},
                {.name = "cmdDelete",
                 .kind = K::CommandButton,
                 .at = {1200, 0, 800, 345},
                 .style = kDisabled},
                {.name = "cmdCancel", .kind = K::CommandButton, .at = {2100, 0, 800, 345}, .style = kHidden},
            },
    };
    QWidget form;
    const FormControls controls = buildForm(form, def);
    form.show();
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowType() != Qt::Dialog);
    QCOMPARE(controls.get<QLineEdit>("txtCost")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(controls.get<QLineEdit>("txtCost")->maxLength(), 9);
    auto* basis = controls.get<QLabel>("lblCostBasis");
    QCOMPARE(basis->frameShape(), QFrame::Panel);
    // The box is drawn whole: all four of its lines lie within the label.
    QVERIFY2(basis->rect().contains(basis->frameRect()),
             qPrintable(QStringLiteral("frame %1,%2 %3x%4 in a label of %5x%6")
                            .arg(basis->frameRect().x())
                            .arg(basis->frameRect().y())
                            .arg(basis->frameRect().width())
                            .arg(basis->frameRect().height())
                            .arg(basis->width())
                            .arg(basis->height())));
    QCOMPARE(basis->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(controls.get<QLabel>("lblHeading")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(controls.get<QComboBox>("cboLife")->isEditable());
    QVERIFY(!controls.get<QComboBox>("cboMethod")->isEditable());
    QVERIFY(!controls.get<QPushButton>("cmdDelete")->isEnabled());
    QVERIFY(controls.get<QPushButton>("cmdDelete")->isVisible());
    QVERIFY(!controls.get<QPushButton>("cmdCancel")->isVisible());
}

void FormTableTest::textBoxesTakeNoControlCharacters_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QChar nul(0);
    const struct {
        const char* name;
        QString text;
        QString kept;
    } texts[] = {
        {"plain", QStringLiteral("Office desk"), QStringLiteral("Office desk")},
        {"a NUL inside", QStringLiteral("Desk") + nul + QStringLiteral("top"), QStringLiteral("Desktop")},
        {"tab and line break", QStringLiteral("Desk\ttop\r\n"), QStringLiteral("Desktop")},
        {"escape, DEL and a C1 control", QStringLiteral("A\x1B B\x7F C") + QChar(0x85),
         QStringLiteral("A B C")},
        {"nothing but controls", QString(nul) + QStringLiteral("\n"), QString()},
        {"letters beyond ASCII", QStringLiteral("Bürostuhl €"), QStringLiteral("Bürostuhl €")},
    };
    for (const char* control : {"txtTag", "cboKind"})
        for (const char* way : {"typed", "pasted", "set"})
            for (const auto& t : texts)
                QTest::addRow("%s, %s, %s", control, way, t.name) << control << way << t.text << t.kept;
}

// Whatever way a text comes into a text box or an editable combo box (typed through an input
// method, pasted, set by code), its control characters are not taken and the rest is.
void FormTableTest::textBoxesTakeNoControlCharacters() {
    QFETCH(QString, control);
    QFETCH(QString, way);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    const FormDef def = {
        .name = "frmTyping",
        .caption = "Typing",
        .size = {.width = 3000, .height = 1200},
        .controls =
            {
                {.name = "txtTag", .kind = K::TextBox, .at = {120, 120, 2000, 315}, .tabIndex = 0},
                {.name = "cboKind",
                 .kind = K::ComboBox,
                 .at = {120, 600, 2000, 315},
                 .tabIndex = 1,
                 .style = kEditable},
            },
    };
    QDialog form;
    const FormControls controls = buildForm(form, def);
    QLineEdit* box = control == "txtTag" ? controls.get<QLineEdit>("txtTag")
                                         : controls.get<QComboBox>("cboKind")->lineEdit();
    QVERIFY(box);
    box->setText(QStringLiteral("old"));
    box->selectAll();

    if (way == "typed") {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    } else if (way == "pasted") {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    } else {
        box->setText(text);
    }

    QCOMPARE(box->text(), kept);
}

QEL_QTEST_REGISTER(FormTableTest);

} // namespace qel::test
