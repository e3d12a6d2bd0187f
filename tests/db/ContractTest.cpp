// Every statement text the portal sends (db/ContractStatements.h), answered by the demo database:
// queries return at least the columns the screens read, with those columns filled; writes run.
#include <gtest/gtest.h>

#include "db/ContractStatements.h"
#include "db/DemoDatabase.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"

namespace {

using namespace ContractStatements;

class Contract : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One copy for the whole table: the statements run in order, as a session would send them.
    s_dir = new QTemporaryDir;
    ASSERT_TRUE(DemoDatabase::CopyTo(s_dir->filePath("portal-demo.db")));
    s_ds = new std::shared_ptr<TDataSource>(DemoDatabase::Open(s_dir->filePath("portal-demo.db")));
  }
  static void TearDownTestSuite() {
    delete s_ds;
    delete s_dir;
  }
  static inline QTemporaryDir* s_dir = nullptr;
  static inline std::shared_ptr<TDataSource>* s_ds = nullptr;
};

}  // namespace

TEST_F(Contract, EveryStatementIsAnsweredWithTheColumnsTheScreensRead) {
  for (const Sent& s : Statements()) {
    SCOPED_TRACE(s.name);
    MsgSeam::Clear();
    if (s.kind == Kind::Write) {
      EXPECT_TRUE((*s_ds)->Execute(s.statement)) << s.statement.toStdString();
    } else {
      bool ok = false;
      const ResultSet rs = (*s_ds)->Query(s.statement, &ok);
      EXPECT_TRUE(ok) << s.statement.toStdString();
      ASSERT_FALSE(rs.rows.isEmpty()) << s.statement.toStdString();
      EXPECT_GE(rs.columns.size(), s.columns);
      for (int c : s.filled) {
        const QVariant v = rs.rows.row(1).col(c);
        EXPECT_TRUE(v.isValid() && !v.isNull() && !v.toString().trimmed().isEmpty()) << "column " << c << " is empty";
      }
    }
    for (const auto& box : MsgSeam::Taken()) ADD_FAILURE() << box.text.left(600).toStdString();
  }
}
