// Enters the sample company (SampleCompany.h) into the database of the thread's shared
// connection the way a user would: the accounts, locations and asset classes through the
// maintenance window's checks and statements, each asset through the asset form's field rules,
// validation, vehicle limit check and save (which runs the depreciation engine), the car's use
// through the vehicle use window's checks and store, then the monthly book periods through the
// data server's posting. Nothing here writes a schedule row itself.
#pragma once

#include <stdexcept>

namespace qel::sample {

// A refusal by one of the program's rules or the data server, naming what was being entered.
class EntryRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Enters everything in one transaction: all of it is stored, or nothing and EntryRefused is
// thrown with the first refusal.
void enterSampleCompany();

} // namespace qel::sample
