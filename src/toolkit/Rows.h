#pragma once
// Rows as the screens read them: columns numbered from 1, as in the statements' docs.
// Plain data shared by the data layer (result sets) and the toolkit (grids).
#include <QList>
#include <QStringList>
#include <QVariant>
#include <utility>

struct Row {
  QVariantList values;

  Row() = default;
  Row(QVariantList v) : values(std::move(v)) {}
  // Row{1, "name", 12.5}: two or more column values. (No initializer-list constructor, so
  // that Row{someList} keeps the list's values as columns.)
  template <class A, class B, class... More>
  Row(A&& a, B&& b, More&&... more)
      : values{QVariant(std::forward<A>(a)), QVariant(std::forward<B>(b)), QVariant(std::forward<More>(more))...} {}

  // Column n counted from 1; an invalid QVariant past the end.
  QVariant col(int n) const { return n >= 1 && n <= values.size() ? values[n - 1] : QVariant(); }
  void setCol(int n, const QVariant& v) {
    if (n < 1) return;
    while (values.size() < n) values.append(QVariant());
    values[n - 1] = v;
  }
  int count() const { return static_cast<int>(values.size()); }
  bool operator==(const Row& other) const { return values == other.values; }
};

struct Rows : QList<Row> {
  using QList<Row>::QList;
  Rows() = default;
  Rows(const QList<Row>& rows) : QList<Row>(rows) {}
  // Row n counted from 1.
  const Row& row(int n) const { return at(n - 1); }
  Row& row(int n) { return (*this)[n - 1]; }
};

// One result set: column names in order, and its rows.
struct ResultSet {
  QStringList columns;
  Rows rows;
};
