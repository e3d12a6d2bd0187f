#pragma once
// Where this build's sources and outputs live. Kept out of the compiler flags so that test files
// compile the same in every clone (and hit the compiler cache); only BuildPaths.cpp knows them.
#include <QString>

namespace BuildPaths {
QString Source(const QString& relative = {});  // source folder + relative ("/db/...")
QString Binary(const QString& relative = {});  // build folder + relative
}
