#pragma once
// Date entry with a drop-down calendar, shown as dd/MM/yyyy.
#include <QDateEdit>

#include "toolkit/TControl.h"

class TDatePicker : public TControl<TDatePicker, QDateEdit> {
 public:
  TDatePicker(QWidget* parent, const QString& name) : TControl(parent, name) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::userDateChanged, this, [this] { OnChange(this); });
  }
  Property<QDate> dValue{[this] { return date(); }, [this](const QDate& d) { setDate(d.isValid() ? d : QDate::currentDate()); }};
  Event<TDatePicker*> OnChange;
};
