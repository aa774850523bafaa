// The employer questions' rules.
#include "app/vehicles/rules/AutoQstRules.h"

#include "common/SqlLiteral.h"

#include <algorithm>

namespace qel {

const std::array<EmployerQuestion, kEmployerQuestions> kEmployerQuestionTable = {{
    {37, "lblAllPersonal", "optAllPersonal", "No Personal Use",
     "Do you maintain a written policy statement that prohibits all personal use of vehicles, including "
     "commuting, by your employees?",
     " All Personal answer is missing! "},
    {38, "lblCommute", "optCommuting", "Commuting Allowed",
     "Do you maintain a written policy statement that prohibits personal use of vehicles, except commuting, "
     "by your employees?",
     " Commute answer is missing! "},
    {39, "lblPersonal", "optPersonal", "All Personal Use",
     "Do you treat all use of vehicles by employees as personal use?", " Personal answer is missing! "},
    {40, "lblFive", "optFive", "More 5 Cars & keep Track",
     "Do you provide more than five vehicles to you employees, obtain information from your employees about "
     "the use of the vehicles, and retain the information received?",
     " Five vehicle answer is missing! "},
    {41, "lblRequirements", "optRequirements", "Meet Requirements",
     "Do you meet the requirements concerning qualified automobile demonstration use? (See page 9 of the "
     "instructions).",
     " Requirements answer is missing! "},
}};

QstCheck checkEmployerAnswers(const EmployerAnswers& answers) {
    QstCheck check;
    for (int q = 0; q < kEmployerQuestions; ++q) {
        if (answers[q])
            continue;
        check.ok = false;
        check.red[q] = true;
        check.message += kEmployerQuestionTable[q].missing;
    }
    return check;
}

bool anyYes(const StoredAnswers& answers) {
    return std::find(answers.begin(), answers.end(), true) != answers.end();
}

std::string autoQstValues(std::int32_t companyId, std::int16_t year, const StoredAnswers& answers) {
    std::string values = sqlNumber(companyId) + ", " + sqlNumber(year);
    for (const bool answer : answers)
        values += ", " + sqlBool(answer);
    return values;
}

std::string autoQstUpdate(std::int32_t companyId, std::int16_t year, const StoredAnswers& a) {
    return " Update tblAutoQuestions set [No Personal Use] = " + sqlBool(a[0]) +
           ", [Commuting Allowed] = " + sqlBool(a[1]) + ", " + " [All Personal Use] = " + sqlBool(a[2]) +
           ", [More 5 Cars & keep Track] = " + sqlBool(a[3]) + ", [Meet Requirements] = " + sqlBool(a[4]) +
           " where company_id = " + sqlNumber(companyId) + " and [year] = " + sqlNumber(year);
}

} // namespace qel
