#pragma once
// One entry per font for the life of the process (its metrics, the texts laid out in it), built
// from the font on first use. Entries are never torn down, so nothing they hold outlives the
// application object at exit. Layout asks about the same font many times in a row, so the last
// font is compared first; comparing fonts is cheaper than keying them. GUI thread only.
#include <QFont>
#include <QHash>
#include <QString>

template <class Entry>
Entry& PerFont(const QFont& font) {
  struct Kept {
    QFont font;
    Entry* entry;
  };
  static auto* entries = new QHash<QString, const Kept*>;  // the kept ones stay where they are
  static const Kept* last = nullptr;
  if (last && last->font == font) return *last->entry;
  const QString key = font.key();
  auto it = entries->find(key);
  if (it == entries->end()) it = entries->insert(key, new Kept{font, new Entry(font)});
  last = *it;
  return *last->entry;
}
