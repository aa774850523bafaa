// The Qt message box of UiServices, shown for real and answered with the Enter key.
#include "tests/app/shell/MessageBoxTest.h"

#include "app/shell/UiServices.h"
#include "tests/testsupport/QtTestMain.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <stdexcept>

Q_DECLARE_METATYPE(qel::MsgButtons)
Q_DECLARE_METATYPE(qel::MsgResult)
Q_DECLARE_METATYPE(std::optional<qel::MsgResult>)

namespace qel::test {

void MessageBoxTest::enterPressesTheDefaultButton_data() {
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<std::optional<MsgResult>>("chosen");
    QTest::addColumn<MsgResult>("answer");
    QTest::newRow("OkAlone") << MsgButtons::Ok << std::optional<MsgResult>() << MsgResult::Ok;
    QTest::newRow("OkCancelUnchosenIsOk")
        << MsgButtons::OkCancel << std::optional<MsgResult>() << MsgResult::Ok;
    QTest::newRow("OkCancelChosenCancel")
        << MsgButtons::OkCancel << std::optional<MsgResult>(MsgResult::Cancel) << MsgResult::Cancel;
    QTest::newRow("YesNoUnchosenIsYes") << MsgButtons::YesNo << std::optional<MsgResult>() << MsgResult::Yes;
    QTest::newRow("YesNoChosenNo") << MsgButtons::YesNo << std::optional<MsgResult>(MsgResult::No)
                                   << MsgResult::No;
    QTest::newRow("YesNoCancelChosenNo")
        << MsgButtons::YesNoCancel << std::optional<MsgResult>(MsgResult::No) << MsgResult::No;
    QTest::newRow("YesNoCancelChosenCancel")
        << MsgButtons::YesNoCancel << std::optional<MsgResult>(MsgResult::Cancel) << MsgResult::Cancel;
}

void MessageBoxTest::enterPressesTheDefaultButton() {
    QFETCH(MsgButtons, buttons);
    QFETCH(std::optional<MsgResult>, chosen);
    QFETCH(MsgResult, answer);
    QtUiServices qt;
    QString defaultCaption;
    // The box runs its own event loop once it is shown; the first event then handled presses
    // Enter in it, as a user would.
    QTimer::singleShot(0, qApp, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                if (QPushButton* d = box->defaultButton())
                    defaultCaption = d->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
    });
    QCOMPARE(qt.messageBox(QStringLiteral("Delete WH"), buttons, MsgIcon::Question,
                           QStringLiteral("Confirm Delete"), chosen),
             answer);
    QVERIFY(!defaultCaption.isEmpty());
    QCOMPARE(defaultAnswerOf(buttons, chosen), answer);
}

void MessageBoxTest::aDefaultThatIsNoButtonIsRefused_data() {
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgResult>("chosen");
    QTest::newRow("NoOnOkCancel") << MsgButtons::OkCancel << MsgResult::No;
    QTest::newRow("CancelOnYesNo") << MsgButtons::YesNo << MsgResult::Cancel;
    QTest::newRow("OkOnYesNoCancel") << MsgButtons::YesNoCancel << MsgResult::Ok;
    QTest::newRow("CancelOnOk") << MsgButtons::Ok << MsgResult::Cancel;
}

void MessageBoxTest::aDefaultThatIsNoButtonIsRefused() {
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgResult, chosen);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, defaultAnswerOf(buttons, chosen));
}

void MessageBoxTest::aBoxStandsOverTheProgramWhenNoWindowIsActive_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("modalOpen");
    QTest::newRow("message box over the main window") << "message" << false;
    QTest::newRow("input box over the main window") << "input" << false;
    QTest::newRow("message box over an open modal window") << "message" << true;
}

// Right after a box closes, the window system has not yet made the window under it active; a box
// opened then (the question after a year prompt) stands over the program, not in the middle of
// the screen.
void MessageBoxTest::aBoxStandsOverTheProgramWhenNoWindowIsActive() {
    QFETCH(QString, kind);
    QFETCH(bool, modalOpen);
    QMainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QDialog modal(&main);
    if (modalOpen) {
        modal.setModal(true);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
    }
    QApplication::setActiveWindow(nullptr);
    QVERIFY(!QApplication::activeWindow());

    QtUiServices qt;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, qApp, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if ((qobject_cast<QMessageBox*>(w) || qobject_cast<QInputDialog*>(w)) && w->isVisible()) {
                owner = w->parentWidget();
                QTest::keyClick(w, Qt::Key_Escape);
            }
    });
    if (kind == QLatin1String("message"))
        qt.messageBox(QStringLiteral("A PDF viewer is required."), MsgButtons::YesNo, MsgIcon::None, {},
                      std::nullopt);
    else
        qt.inputBox(QStringLiteral("Enter Fiscal Year"), QStringLiteral("Form 4562"), QStringLiteral("2025"),
                    std::nullopt);
    QCOMPARE(owner, modalOpen ? static_cast<QWidget*>(&modal) : static_cast<QWidget*>(&main));
}

QEL_QTEST_REGISTER(MessageBoxTest);

} // namespace qel::test
