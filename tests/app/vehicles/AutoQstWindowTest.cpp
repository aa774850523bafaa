// The employer questions window on a database copy.
#include "tests/app/vehicles/AutoQstWindowTest.h"

#include "app/shell/WindowPosition.h"
#include "app/vehicles/FrmAutoQst.h"
#include "tests/app/vehicles/VehicleFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/QtTestMain.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>

namespace qel::test {
namespace {

const QColor kRed(255, 0, 0);

// A window of the fixture's year, shown.
struct OpenWindow {
    explicit OpenWindow(VehicleFixture& f) : w(kVehicleYear, &f.main) { w.show(); }
    FrmAutoQst w;
};

// Clicks the answers, as "YNNNY"; a blank leaves the question unanswered.
void answer(FrmAutoQst& w, const QString& answers) {
    for (int q = 0; q < answers.size(); ++q)
        if (answers[q] != ' ')
            w.answerPairs[q][answers[q] == 'Y' ? 0 : 1]->click();
}

// The window's answers as "YNNNY", a blank for an unanswered question.
QString shown(const FrmAutoQst& w) {
    QString out;
    for (const AnswerPair& pair : w.answerPairs)
        out += pair[0]->isChecked() ? 'Y' : pair[1]->isChecked() ? 'N' : ' ';
    return out;
}

// The stored answers of the year as "10010", or "none".
QString stored(const VehicleFixture& f) {
    if (f.count("SELECT count(*) FROM tblAutoQuestions WHERE Company_Id = 1 AND [year] = 2010") == 0)
        return "none";
    return f.text("SELECT [No Personal Use] || [Commuting Allowed] || [All Personal Use] ||"
                  " [More 5 Cars & keep Track] || [Meet Requirements] FROM tblAutoQuestions"
                  " WHERE Company_Id = 1 AND [year] = 2010");
}

} // namespace

void AutoQstWindowTest::answersAreAddedThenUpdated() {
    VehicleFixture f;
    f.fresh.exec("INSERT INTO tblAutoQuestions VALUES (1, 2009, 1, 1, 1, 1, 1)");
    OpenWindow open(f);
    FrmAutoQst& w = open.w;
    QCOMPARE(w.objectName(), QStringLiteral("frmAutoQst"));
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Data for Sample Company for year 2010"));
    QCOMPARE(shown(w), QStringLiteral("     "));
    QVERIFY(!w.QstExists());

    answer(w, "YNNNN");
    w.cmdSave->click();
    QCOMPARE(f.status(), QStringLiteral("Record Added."));
    QCOMPARE(f.statusColour(), QColor(0, 128, 0));
    QCOMPARE(stored(f), QStringLiteral("10000"));
    QVERIFY(!w.FormDirty());

    answer(w, "NNNYY");
    w.cmdSave->click();
    QCOMPARE(f.status(), QStringLiteral("Record updated."));
    QCOMPARE(stored(f), QStringLiteral("00011"));
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoQuestions"), 2);
    QCOMPARE(f.text("SELECT [No Personal Use] + 0 FROM tblAutoQuestions WHERE [year] = 2009"),
             QStringLiteral("1"));

    // The next opening shows what is stored.
    w.cmdCancel->click();
    OpenWindow again(f);
    QCOMPARE(shown(again.w), QStringLiteral("NNNYY"));
    QVERIFY(again.w.QstExists());
}

void AutoQstWindowTest::unansweredQuestionsAreRedAndNothingIsStored() {
    VehicleFixture f;
    OpenWindow open(f);
    FrmAutoQst& w = open.w;
    answer(w, "Y NN ");

    w.cmdSave->click();

    QCOMPARE(f.status(), QStringLiteral(" Commute answer is missing!  Requirements answer is missing! "));
    QCOMPARE(f.statusColour(), kRed);
    QStringList red;
    for (const QLabel* label : w.questionLabels)
        if (textColour(label) == kRed)
            red << label->objectName();
    QCOMPARE(red, (QStringList{"lblCommute", "lblRequirements"}));
    QCOMPARE(stored(f), QStringLiteral("none"));
    QVERIFY(!w.anyYesStored());

    // The answers are still unsaved: Cancel asks, and Cancel to the question keeps the window.
    f.ui.answerMessage(MsgResult::Cancel);
    w.cmdCancel->click();
    QCOMPARE(f.ui.messages(), QStringList{"Save Changes?"});
    QVERIFY(w.isVisible());
}

void AutoQstWindowTest::aStoredNullLoadsAsNo() {
    VehicleFixture f;
    f.fresh.exec("INSERT INTO tblAutoQuestions VALUES (1, 2010, 1, 0, 1, 0, NULL)");
    OpenWindow open(f);
    QCOMPARE(shown(open.w), QStringLiteral("YNYNN"));
    QVERIFY(!open.w.FormDirty());
}

void AutoQstWindowTest::deleteRemovesTheAnswersAndClearsTheButtons() {
    VehicleFixture f;
    f.fresh.exec("INSERT INTO tblAutoQuestions VALUES (1, 2010, 1, 0, 1, 0, 0)");
    OpenWindow open(f);
    FrmAutoQst& w = open.w;

    f.ui.answerMessage(MsgResult::No);
    w.cmdDelete->click();
    QCOMPARE(stored(f), QStringLiteral("10100"));

    w.cmdDelete->click();
    const UiCall question = f.ui.callsOf(UiCall::Message).back();
    QCOMPARE(question.text, QStringLiteral("Do you want to delete this Questionaire?"));
    QCOMPARE(question.title, QStringLiteral("Delete Questionaire"));
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.defaultAnswer, MsgResult::No); // Enter keeps the answers
    QCOMPARE(stored(f), QStringLiteral("none"));
    QCOMPARE(shown(w), QStringLiteral("     "));
    QVERIFY(w.isVisible());

    // Answered again, the answers go in as a new row.
    answer(w, "NNNNY");
    w.cmdSave->click();
    QCOMPARE(f.status(), QStringLiteral("Record Added."));
    QCOMPARE(stored(f), QStringLiteral("00001"));
}

void AutoQstWindowTest::theAnyYesAnswerFollowsTheStoredAnswers_data() {
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("anyYes");
    QTest::newRow("five No") << "NNNNN" << false << false;
    QTest::newRow("one Yes") << "NNNYN" << false << true;
    QTest::newRow("one Yes, then deleted") << "NNNYN" << true << false;
}

void AutoQstWindowTest::theAnyYesAnswerFollowsTheStoredAnswers() {
    QFETCH(QString, answers);
    QFETCH(bool, deleted);
    QFETCH(bool, anyYes);
    VehicleFixture f;
    // A Yes saved for another year does not answer for this one.
    const auto previousYear = static_cast<std::int16_t>(kVehicleYear - 1);
    bool cancelled = false;
    f.whenOpen<FrmAutoQst>("frmAutoQst", [&](FrmAutoQst& w) {
        if (w.year() == previousYear) {
            answer(w, "YYYYY");
            w.cmdSave->click();
            w.cmdCancel->click();
            return;
        }
        QVERIFY(!w.anyYesStored());
        answer(w, answers);
        w.cmdSave->click();
        if (deleted)
            w.cmdDelete->click();
        w.cmdCancel->click();
        cancelled = w.cancelled();
    });
    QVERIFY(DoAutoQstForm(previousYear));

    QCOMPARE(DoAutoQstForm(kVehicleYear), anyYes);
    QVERIFY(cancelled);
}

void AutoQstWindowTest::aRefusedSaveIsShownAndSaysNoYes() {
    VehicleFixture f;
    f.fresh.exec("CREATE TRIGGER refuse BEFORE INSERT ON tblAutoQuestions"
                 " BEGIN SELECT RAISE(ABORT, 'answers refused'); END");
    OpenWindow open(f);
    answer(open.w, "YYYYY");

    open.w.cmdSave->click();

    const QString error = f.ui.messages().value(0);
    QVERIFY2(error.startsWith("Error in AddUpdateAutoQst. ") && error.contains("answers refused") &&
                 error.endsWith(" -2147352571"),
             qPrintable(error));
    QVERIFY(!open.w.anyYesStored());
    QVERIFY(!open.w.QstExists());
    QVERIFY(open.w.FormDirty());
}

void AutoQstWindowTest::closingAsksWhileAnswersAreUnsaved_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("answer"); // MsgResult
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("cancelled");
    const int yes = int(MsgResult::Yes), no = int(MsgResult::No), cancel = int(MsgResult::Cancel);
    QTest::newRow("Cancel without a click") << "button"
                                            << "" << yes << false << true << QString("none") << true;
    QTest::newRow("Cancel, Yes saves") << "button"
                                       << "YNNNN" << yes << true << true << QString("10000") << true;
    QTest::newRow("Cancel, Yes with a question open stays")
        << "button"
        << "YNNN" << yes << true << false << QString("none") << false;
    QTest::newRow("Cancel, No drops") << "button"
                                      << "YNNNN" << no << true << true << QString("none") << true;
    QTest::newRow("Esc, Cancel stays") << "esc"
                                       << "YNNNN" << cancel << true << false << QString("none") << false;
    QTest::newRow("title bar, Yes saves") << "title"
                                          << "YNNNN" << yes << true << true << QString("10000") << false;
}

void AutoQstWindowTest::closingAsksWhileAnswersAreUnsaved() {
    QFETCH(QString, how);
    QFETCH(QString, answers);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(QString, stored);
    QFETCH(bool, cancelled);
    VehicleFixture f;
    OpenWindow open(f);
    FrmAutoQst& w = open.w;
    qel::test::answer(w, answers);
    f.ui.answerMessage(MsgResult(answer));

    closeBy(w, w.cmdCancel, how);

    QCOMPARE(f.ui.messages().contains("Save Changes?"), asked);
    QCOMPARE(!w.isVisible(), closed);
    QCOMPARE(qel::test::stored(f), stored);
    QCOMPARE(w.cancelled(), cancelled);
}

void AutoQstWindowTest::everyTextFits() {
    VehicleFixture f;
    OpenWindow open(f);
    const QStringList cutOff = cutOffTexts(open.w);
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(", ")));
}

// The title is long, and a desktop's frame draws it in a font of its own: at least the desktop's
// general font, bold, beside the frame's icon and buttons. (The window's own font, in which the
// other texts are checked, is smaller.)
void AutoQstWindowTest::theFrameShowsTheWholeTitle() {
    VehicleFixture f;
    OpenWindow open(f);
    QFont title = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    title.setBold(true);
    const int needed = QFontMetrics(title).horizontalAdvance(open.w.windowTitle()) +
                       twipsToPixelsX(open.w, kTitleFrameTwips);
    QVERIFY2(open.w.frameGeometry().width() >= needed,
             qPrintable(QStringLiteral("%1 px wide, the title needs %2")
                            .arg(open.w.frameGeometry().width())
                            .arg(needed)));
}

QEL_QTEST_REGISTER(AutoQstWindowTest);

} // namespace qel::test
