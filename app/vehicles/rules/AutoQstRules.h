// The rules of the employer questions window without widgets: the five questions about vehicles
// an employer provides (Form 4562 Part V Section C, lines 37 to 41), their check, and the two
// statements that store the answers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace qel {

inline constexpr int kEmployerQuestions = 5;

struct EmployerQuestion {
    int formLine;
    const char* label;   // the question's label control
    const char* pair;    // the name of its answer pair (element 0 Yes, element 1 No)
    const char* column;  // its column of tblAutoQuestions, without brackets
    const char* caption; // the question as shown
    const char* missing; // the message when it is not answered
};

// The questions in the window's order, which is also the order of the stored columns.
extern const std::array<EmployerQuestion, kEmployerQuestions> kEmployerQuestionTable;

// The answers as the window holds them; nullopt: not answered.
using EmployerAnswers = std::array<std::optional<bool>, kEmployerQuestions>;
// The answers as they are stored; true for Yes.
using StoredAnswers = std::array<bool, kEmployerQuestions>;

struct QstCheck {
    bool ok = true;
    std::string message; // the messages of the unanswered questions, in order, joined
    std::array<bool, kEmployerQuestions> red{};
};

// Every question must be answered.
QstCheck checkEmployerAnswers(const EmployerAnswers& answers);

// True when any answer is Yes: the vehicles used by employees then need no use data.
bool anyYes(const StoredAnswers& answers);

// The values of the insert of the company's answers of the year, in the order Company_Id, [year]
// and the five answers: "12, 2010, 1, 0, 0, 0, 0".
std::string autoQstValues(std::int32_t companyId, std::int16_t year, const StoredAnswers& answers);

// The statement that replaces the stored answers of the company and year.
std::string autoQstUpdate(std::int32_t companyId, std::int16_t year, const StoredAnswers& answers);

} // namespace qel
