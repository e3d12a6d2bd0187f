#pragma once
// Fills a template with data: walks the master data set through its callbacks, places the
// bands on pages in millimetres and returns the prepared document.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

#include "reports/ReportDocument.h"
#include "reports/ReportTemplate.h"

// A data set as the engine sees it: an alias, its field names and the five callbacks.
struct UserDataSet {
  QString alias;
  QStringList fields;  // full names, such as NOMBRE.002
  std::function<void()> first, next, prior;
  std::function<bool()> eof;
  std::function<QVariant(const QString& fullName)> value;
};

struct ReportVariableDef {
  QString category, name, source;
  ExprPtr value;
};

// Runs one callback; a failure is reported by the caller-supplied guard, which answers false.
using CallbackGuard = std::function<bool(const std::function<void()>&)>;

class ReportLayout : public ExprScope {
 public:
  ReportLayout(const ReportTemplate& tpl, const QList<UserDataSet>& dataSets,
               const QList<ReportVariableDef>& variables, CallbackGuard guard);
  ReportDocument Run();
  // Names that meant nothing, and other faults met while filling.
  QStringList Problems() const { return m_problems; }

  QVariant Lookup(const QString& name, bool& known) override;
  bool Knows(const QString& name) override;
  QVariant System(SysValue which) override;
  QVariant Aggregate(const ExprNode* node) override;

 private:
  struct Rendered {
    QList<PageItem> items;  // positions relative to the band's top-left
    double height = 0;
  };
  struct Accumulator {
    double sum = 0;
    int count = 0;
  };

  void BeginPage();
  void EndPage();
  void EmitAtTop(const BandPtr& band);
  void PrintBand(const BandPtr& band);
  void PlaceRendered(Rendered r);
  Rendered Render(const ReportBand& band);
  PageItem RenderText(const ReportObject& o, const QRectF& rect, bool& grew, double& growth);
  void ApplyTotalPages();
  void Accumulate();
  void ResetAggregates(const BandPtr& band);
  QList<QString> GroupValues();
  bool Eof();
  void Move(const std::function<void()>& step);
  QVariant Evaluate(const ExprPtr& e);

  const ReportTemplate& m_t;
  const QList<UserDataSet>& m_sets;
  const QList<ReportVariableDef>& m_vars;
  CallbackGuard m_guard;
  const UserDataSet* m_master = nullptr;

  QHash<QString, std::pair<int, QString>> m_fields;  // upper-case name -> data set, full name
  QHash<QString, int> m_varIndex;                     // upper-case name -> variable
  QHash<const ExprNode*, Accumulator> m_acc;
  QList<const ExprNode*> m_allAggregates;
  QHash<QString, QImage> m_images;
  QSet<QString> m_problemSet;
  QStringList m_problems;
  int m_depth = 0;

  ReportDocument m_doc;
  int m_pageNo = 0;
  int m_line = 0;
  double m_y = 0, m_bodyTop = 0, m_bodyBottom = 0;
  bool m_pageOpen = false;
};
