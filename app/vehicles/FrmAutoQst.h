// frmAutoQst, "Questions for Employers Who Provide Vehicles for Use by their Employees": the
// employer's five Yes/No answers of the current company for one tax year (Form 4562 Part V
// Section C, lines 37 to 41).
//
// It opens modally through DoAutoQstForm with the stored answers of the year it is given, and
// tells when it has closed whether it was cancelled and whether the stored answers hold a Yes. Save checks
// that every question is answered and stores the answers (a new row the first time, an update after); Delete
// removes them after a confirmation; Cancel, Esc and the title bar ask "Save Changes?" while answers are
// unsaved. The rules are those of AutoQstRules.h.
#pragma once

#include "app/vehicles/AnswerPair.h"
#include "app/vehicles/rules/AutoQstRules.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QRadioButton;

namespace qel {

class FrmAutoQst : public QDialog {
    Q_OBJECT
public:
    // Loads the current company's answers of the tax year.
    explicit FrmAutoQst(std::int16_t year, QWidget* parent = nullptr);
    ~FrmAutoQst() override;

    // Checks and stores the answers; true when they were stored.
    bool AddUpdateAutoQst();
    // Deletes the stored answers after a confirmation; the window stays open, all unanswered.
    void DeleteAutoQst();

    bool QstExists() const { return qstExists_; }
    std::int16_t year() const { return year_; }
    bool FormDirty() const { return formDirty_; }
    // Closed through its Cancel button or Esc, also after a save; the title bar's close leaves
    // it false.
    bool cancelled() const { return cancelled_; }
    // The answers stored from this window hold a Yes: true once a save with a Yes went through,
    // false again when the answers are deleted or a later save is refused or fails.
    bool anyYesStored() const { return anyYesStored_; }

    // Controls; the questions in the window's order (kEmployerQuestionTable), a pair's element 0
    // is Yes, 1 is No.
    QLabel* lblTitle;
    std::array<QLabel*, kEmployerQuestions> questionLabels;
    std::array<AnswerPair, kEmployerQuestions> answerPairs;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;
    QPushButton* cmdDelete;

public slots:
    // Cancel and Esc: closes as cancelled once unsaved edits are saved or dropped.
    void reject() override;

protected:
    // The title bar's close: closes, not as cancelled, once unsaved edits are saved or dropped.
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void GetAutoQst();
    bool ValidateAutoQst();
    EmployerAnswers answers() const;

    std::int16_t year_;
    bool qstExists_ = false;
    bool formDirty_ = false;
    bool cancelled_ = false;
    bool anyYesStored_ = false;
};

} // namespace qel
