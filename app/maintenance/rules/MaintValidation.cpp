// The field checks of the maintenance window, table by table.
#include "app/maintenance/rules/MaintValidation.h"

#include "app/maintenance/rules/MaintCatalogue.h"
#include "app/maintenance/rules/MaintCells.h"
#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/Text.h"

#include <algorithm>
#include <array>
#include <map>

namespace qel {
namespace {

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

    bool step(const MaintTable& table, const FieldCheck& c) {
        const int i = positionOf(table, c.field);
        switch (c.check) {
        case MaintCheck::Required:
            return required(i);
        case MaintCheck::Numeric:
            return numeric(i);
        case MaintCheck::Range:
            return inRange(i, c.low, c.high);
        case MaintCheck::Life:
            return life(i, positionOf(table, table.methodField));
        case MaintCheck::ListedForAuto:
            return listedForAuto(i, positionOf(table, table.methodField));
        case MaintCheck::AmortizeCode:
            return amortizeCode(i, positionOf(table, table.methodField));
        case MaintCheck::YesNo:
            return yesOrNo(i, false);
        }
        return true;
    }

    // The range check of every number field the run has not marked yet.
    void numbers() {
        for (std::size_t p = 0; p < fields_.size(); ++p) {
            const int i = static_cast<int>(p);
            const MaintFieldState& field = fields_[p];
            if (!field.number || !isMaintNumber(field.text) ||
                std::find(result.marked.begin(), result.marked.end(), i) != result.marked.end())
                continue;
            if (const std::optional<std::string> fault = numberFault(name(i), field.text, *field.number)) {
                result.statusRed = true;
                result.status += *fault;
                focus(i);
                mark(i);
                fail();
            }
        }
    }

    MaintValidation result;

private:
    // The edit field of the named list field: the one whose caption is the name and ": ".
    int positionOf(const MaintTable& table, const std::string& field) const {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (name(static_cast<int>(i)) == field)
                return static_cast<int>(i);
        throw ServerError::invalidArgument("Maintenance", "The edit fields of " + table.tableName +
                                                              " have no field " + field + ".");
    }

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
        result.status += std::string(trimBlanks(name(i))) + " is required.  ";
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
            result.status = std::string(trimBlanks(result.status + name(i))) + bounds + ".  ";
            return fail();
        }
        if (!isMaintNumber(text(i))) {
            result.status = std::string(trimBlanks(result.status + name(i))) + bounds + ".  ";
            mark(i);
            return fail();
        }
        const double value = leadingNumber(text(i));
        if (value >= low && value <= high)
            return true;
        const std::string bound =
            value < low ? " be > " + std::to_string(low - 1) : " be < " + std::to_string(high + 1);
        result.status = std::string(trimBlanks(result.status + name(i))) + bound + ".  ";
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
        result.status +=
            std::string(trimBlanks(name(lifePos))) + " must be equal to " + rule->second.listText;
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
        result.status += std::string(trimBlanks(name(codePos))) + " is missing. ";
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
    if (const MaintTable* table = findMaintTableByName(tableName))
        for (const FieldCheck& c : table->checks)
            run.step(*table, c);
    run.numbers();
    return run.result;
}

} // namespace qel
