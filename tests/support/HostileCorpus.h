#pragma once
// Texts a person could type (or a scanner could send) that break careless statement building:
// quotes, comment and wildcard characters, brackets, Ñ and accented letters, every character of
// the Windows-1252 upper half (the five undefined positions as the C1 controls Windows maps them
// to), 300-character texts and blanks at both ends. The same count always gives the same texts.
#include <QString>
#include <QStringList>

namespace HostileCorpus {

// `count` texts; the first ones are the hand-picked atoms, the rest seeded combinations.
QStringList Strings(int count);

// The size the suite runs per field: PORTAL_CORPUS_SIZE when set, else `fallback`.
int Size(int fallback);

}  // namespace HostileCorpus
