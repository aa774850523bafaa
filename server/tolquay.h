// The data server's classes as their callers see them.
#pragma once

#include "server/data/Db.h"
#include "server/engine/CalcDepr.h"
#include "server/engine/MonthlyDepr.h"
#include "server/reporting/Auto.h"
#include "server/reporting/Depr4562.h"
#include "server/support/CompanyPersist.h"
#include "server/support/DeprSupport.h"
