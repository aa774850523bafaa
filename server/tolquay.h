// The data server's classes as their callers see them.
#pragma once

#include "server/data/Db.h"
#include "server/support/CompanyPersist.h"
#include "server/support/DeprSupport.h"
