#pragma once
// Rows as the screens read them: columns numbered from 1, as in the statements' docs.
// Plain data shared by the data layer (result sets) and the toolkit (grids).
#include <QList>
#include <QStringList>
#include <QVariant>
#include <initializer_list>

struct Row {
  QVariantList values;

  Row() = default;
  Row(QVariantList v) : values(std::move(v)) {}
  Row(std::initializer_list<QVariant> v) : values(v) {}

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
