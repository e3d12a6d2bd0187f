#pragma once
// unixODBC's driver manager, loaded the first time an ODBC connection opens: a terminal on the
// embedded database never loads it.
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <QByteArray>
#include <QString>

#define PORTAL_ODBC_FUNCTIONS(X)                                                                    \
  X(SQLAllocHandle) X(SQLFreeHandle) X(SQLSetEnvAttr) X(SQLSetConnectAttr) X(SQLGetConnectAttr)    \
  X(SQLDriverConnectW) X(SQLDisconnect) X(SQLSetStmtAttr) X(SQLExecDirectW) X(SQLMoreResults)      \
  X(SQLNumResultCols) X(SQLRowCount) X(SQLDescribeColW) X(SQLFetch) X(SQLGetData) X(SQLGetDiagRecW)

struct OdbcApi {
#define PORTAL_ODBC_POINTER(name) decltype(&::name) name = nullptr;
  PORTAL_ODBC_FUNCTIONS(PORTAL_ODBC_POINTER)
#undef PORTAL_ODBC_POINTER
};

namespace OdbcLibrary {

// The functions, loaded once; null with the reason in `why` when the library cannot be had.
const OdbcApi* Get(QString* why);

// Loads from another file from now on (tests: a terminal without the library).
void UseFile(const QByteArray& file);

}  // namespace OdbcLibrary
