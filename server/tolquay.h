// The data server's classes as their callers see them.
#pragma once

#include "server/data/Db.h"
