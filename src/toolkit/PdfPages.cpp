#include "toolkit/PdfPages.h"

#include "toolkit/Modules.h"

std::unique_ptr<PdfPages> PdfPages::Create(QWidget* parent, QString* why) {
  using Entry = PdfPages* (*)(QWidget*);
  auto entry = reinterpret_cast<Entry>(Modules::Symbol(QString::fromLatin1(kModule), kEntry, why));
  return std::unique_ptr<PdfPages>(entry ? entry(parent) : nullptr);
}
