#include "toolkit/FileNames.h"

namespace FileNames {

QString Safe(const QString& stored) {
  QString name = stored;
  const qsizetype cut = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
  if (cut >= 0) name = name.mid(cut + 1);
  QString clean;
  for (QChar c : name) {
    if (c.unicode() < 32 || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' || c == u'>' ||
        c == u'|')
      continue;
    clean += c;
  }
  while (!clean.isEmpty() && (clean.front() == u'.' || clean.front() == u' ')) clean.remove(0, 1);
  while (!clean.isEmpty() && clean.back() == u' ') clean.chop(1);
  return clean.left(200);
}

}  // namespace FileNames
