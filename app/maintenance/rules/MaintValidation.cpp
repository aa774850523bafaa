// The field checks of the maintenance window, table by table.
#include "app/maintenance/rules/MaintValidation.h"

#include "app/maintenance/rules/MaintCells.h"
#include "common/Convert.h"

#include <algorithm>
#include <array>
#include <map>

namespace qel {
namespace {

enum class Check { Required, Numeric, Range, Life, ListedForAuto, AmortizeCode, YesNo };

// One check of a sequence. The method of the life, vehicle-type and amortization checks is the
// field at position 0 of every table that has them.
struct Step {
    int position;
    Check check;
    int low = 0;
    int high = 0;
};

const std::map<std::string, std::vector<Step>, std::less<>>& sequences() {
    using C = Check;
    static const std::map<std::string, std::vector<Step>, std::less<>> table = {
        {"tblPasswords", {{0, C::Required}, {1, C::Required}, {2, C::Required}}},
        {"tblMaxAuto",
         {{0, C::Required},
          {0, C::Numeric},
          {1, C::Required},
          {4, C::Required},
          {4, C::Numeric},
          {5, C::Required},
          {5, C::Numeric},
          {6, C::Required},
          {6, C::Numeric},
          {7, C::Required},
          {7, C::Numeric}}},
        {"tblCompany", {{0, C::Required}, {1, C::Required}, {7, C::Required}, {8, C::Range, 1, 12}}},
        {"tblDeprClass",
         {{0, C::Required},
          {1, C::Required},
          {2, C::Required},
          {2, C::Life},
          {2, C::Numeric},
          {2, C::Range, 1, 75},
          {3, C::Required},
          {3, C::ListedForAuto},
          {4, C::AmortizeCode},
          {4, C::Numeric}}},
        {"tblMax179",
         {{0, C::Required},
          {0, C::Numeric},
          {0, C::Range, 1975, 2050},
          {1, C::Required},
          {1, C::Numeric},
          {2, C::Required},
          {2, C::Numeric}}},
        {"tblMisc4562Data",
         {{0, C::Required},
          {0, C::Numeric},
          {0, C::Range, 1975, 2050},
          {1, C::Numeric},
          {2, C::Numeric},
          {3, C::YesNo},
          {4, C::YesNo},
          {5, C::YesNo},
          {6, C::Numeric},
          {7, C::Numeric}}},
        {"tblAccounts",
         {{0, C::Required}, {1, C::Required}, {2, C::Required}, {3, C::Required}, {4, C::Required}}},
    };
    return table;
}

// The lives each method allows, with the list the message names. A method without an entry
// allows every life ("ADS", "MACRS 150") or none (any other text, silently).
struct LifeRule {
    std::vector<double> lives;
    const char* listText;
};

const std::map<std::string, LifeRule, std::less<>>& lifeRules() {
    static const std::map<std::string, LifeRule, std::less<>> rules = {
        {"Amortize", {{3, 5, 7, 10, 15, 20}, "3,5,7,10,15,20. "}},
        {"Listed", {{5}, "5. "}},
        {"MACRS", {{3, 5, 7, 10, 15, 20, 27.5, 31.5, 39, 50}, "3,5,7,10,15,20,27.5,31.5,39,50. "}},
    };
    return rules;
}

class Run {
public:
    explicit Run(std::vector<MaintFieldState>& fields) : fields_(fields) {}

    bool step(const Step& s) {
        switch (s.check) {
        case Check::Required:
            return required(s.position);
        case Check::Numeric:
            return numeric(s.position);
        case Check::Range:
            return inRange(s.position, s.low, s.high);
        case Check::Life:
            return life(s.position, 0);
        case Check::ListedForAuto:
            return listedForAuto(s.position, 0);
        case Check::AmortizeCode:
            return amortizeCode(s.position, 0);
        case Check::YesNo:
            return yesOrNo(s.position, false);
        }
        return true;
    }

    MaintValidation result;

private:
    const std::string& text(int i) const { return fields_.at(static_cast<std::size_t>(i)).text; }
    std::string name(int i) const {
        const std::string& c = fields_.at(static_cast<std::size_t>(i)).caption;
        return c.size() >= 2 ? c.substr(0, c.size() - 2) : std::string();
    }
    void mark(int i) { result.marked.push_back(i); }
    void focus(int i) {
        if (focusSet_)
            return;
        result.focus = i;
        focusSet_ = true;
    }
    bool fail() {
        result.valid = false;
        return false;
    }

    bool required(int i) {
        if (!text(i).empty() && text(i) != " ")
            return true;
        result.statusRed = true;
        result.status += trimBlanks(name(i)) + " is required.  ";
        // A pick list's hidden edit box cannot take the focus.
        if (fields_.at(static_cast<std::size_t>(i)).editVisible)
            focus(i);
        mark(i);
        return fail();
    }

    bool numeric(int i) {
        if (text(i).empty() || isMaintNumber(text(i)))
            return true;
        result.statusRed = true;
        result.status += name(i) + " must be numeric.  ";
        focus(i);
        mark(i);
        return fail();
    }

    // Leaves the status colour as it is.
    bool inRange(int i, int low, int high) {
        const std::string bounds = " must be between " + std::to_string(low) + " - " + std::to_string(high);
        if (text(i) == " ") {
            result.status = trimBlanks(result.status + name(i)) + bounds + ".  ";
            return fail();
        }
        if (!isMaintNumber(text(i))) {
            result.status = trimBlanks(result.status + name(i)) + bounds + ".  ";
            mark(i);
            return fail();
        }
        const double value = leadingNumber(text(i));
        if (value >= low && value <= high)
            return true;
        const std::string bound =
            value < low ? " be > " + std::to_string(low - 1) : " be < " + std::to_string(high + 1);
        result.status = trimBlanks(result.status + name(i)) + bound + ".  ";
        focus(i);
        mark(i);
        return fail();
    }

    bool life(int lifePos, int methodPos) {
        if (text(lifePos).empty())
            return fail();
        const std::string& method = text(methodPos);
        if (method == "ADS" || method == "MACRS 150")
            return true;
        const auto rule = lifeRules().find(method);
        if (rule == lifeRules().end())
            return fail();
        const double value = leadingNumber(text(lifePos));
        const auto& lives = rule->second.lives;
        if (std::find(lives.begin(), lives.end(), value) != lives.end())
            return true;
        result.statusRed = true;
        result.status += trimBlanks(name(lifePos)) + " must be equal to " + rule->second.listText;
        focus(lifePos);
        mark(lifePos);
        return fail();
    }

    bool listedForAuto(int typePos, int methodPos) {
        if (text(typePos) == "N/A" || text(methodPos) == "Listed")
            return true;
        result.statusRed = true;
        result.status += " Method must be Listed if it's an Auto. ";
        // Later failures do not take the focus, but this one does not move it either.
        focusSet_ = true;
        mark(typePos);
        return fail();
    }

    bool amortizeCode(int codePos, int methodPos) {
        if (text(methodPos) != "Amortize") {
            fields_.at(static_cast<std::size_t>(codePos)).text = "0";
            return true;
        }
        if (!text(codePos).empty() && text(codePos) != "0")
            return true;
        result.statusRed = true;
        result.status += trimBlanks(name(codePos)) + " is missing. ";
        focus(codePos);
        mark(codePos);
        return fail();
    }

    // Leaves the status colour as it is.
    bool yesOrNo(int i, bool requiredFlag) {
        static constexpr std::array<const char*, 6> accepted = {"Yes", "No", "yes", "no", "YES", "NO"};
        const std::string& t = text(i);
        if (t.empty() && !requiredFlag)
            return true;
        if (std::find(accepted.begin(), accepted.end(), t) != accepted.end())
            return true;
        result.status += name(i) + " Value must be 'Yes' or 'No'.  ";
        focus(i);
        mark(i);
        return fail();
    }

    std::vector<MaintFieldState>& fields_;
    bool focusSet_ = false;
};

} // namespace

bool isMaintNumber(const std::string& text) {
    return isPlainNumber(text);
}

MaintValidation bValid(const std::string& tableName, std::vector<MaintFieldState>& fields) {
    Run run(fields);
    const auto it = sequences().find(tableName);
    if (it != sequences().end())
        for (const Step& s : it->second)
            run.step(s);
    return run.result;
}

} // namespace qel
