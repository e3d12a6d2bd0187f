#pragma once
// Result rows as the screens read them: columns numbered from 1, as in the statements' docs.
#include <QList>
#include <QStringList>
#include <QVariant>

struct Row {
  QVariantList values;
  // Column n counted from 1; an invalid QVariant past the end.
  QVariant col(int n) const { return n >= 1 && n <= values.size() ? values[n - 1] : QVariant(); }
  int count() const { return static_cast<int>(values.size()); }
};

struct Rows : QList<Row> {
  using QList<Row>::QList;
  // Row n counted from 1.
  const Row& row(int n) const { return at(n - 1); }
  Row& row(int n) { return (*this)[n - 1]; }
};

// One result set: column names in order, and its rows.
struct ResultSet {
  QStringList columns;
  Rows rows;
};
