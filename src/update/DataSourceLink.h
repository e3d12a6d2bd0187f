#pragma once
// The update's link over a session data source: its Execute, and its query for the rows.
#include "update/UpdateLink.h"

class TDataSource;

UpdateLink UpdateLinkFor(TDataSource& dataSource);
