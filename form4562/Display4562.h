// Display4562: produces the filled Form 4562 of a company and year.
#pragma once

#include "server/data/Database.h"

#include <cstdint>

namespace qel {

class Display4562 : public ServerObject {
public:
    // Fills the Form 4562 of the company for the tax year. Raises ServerError on failure.
    void Do4562Form(std::int16_t intYear, std::int32_t lngCompanyId);
};

} // namespace qel
