#pragma once
// The two roads a terminal reaches its payroll database by: the embedded engine on a file, or
// the production one (unixODBC + FreeTDS over TDS to the SQL Server stand-in). A journey test
// runs on both by being a TEST_P of a fixture derived from OnBothDbPaths, instantiated with
//   INSTANTIATE_TEST_SUITE_P(Paths, Suite, BothDbPaths(), DbPathName);
// DemoTerminal (and everything built on it) takes the path of the running test.
#include <gtest/gtest.h>

#include <string>

#include "support/SqlServerStandIn.h"

enum class DbPath { Embedded, FreeTds };

namespace DbPaths {
// The path of the running test: FreeTds only while a FreeTds instance of a journey runs.
inline DbPath& Current() {
  static DbPath current = DbPath::Embedded;
  return current;
}
}  // namespace DbPaths

inline auto BothDbPaths() { return ::testing::Values(DbPath::Embedded, DbPath::FreeTds); }

inline std::string DbPathName(const ::testing::TestParamInfo<DbPath>& info) {
  return info.param == DbPath::Embedded ? "Embedded" : "FreeTds";
}

class OnBothDbPaths : public ::testing::TestWithParam<DbPath> {
 protected:
  void SetUp() override {
    QString why;
    if (GetParam() == DbPath::FreeTds && !SqlServerStandIn::Available(&why)) GTEST_SKIP() << why.toStdString();
    DbPaths::Current() = GetParam();
  }
  void TearDown() override { DbPaths::Current() = DbPath::Embedded; }
};
