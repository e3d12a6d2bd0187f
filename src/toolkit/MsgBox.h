#pragma once
// The five message boxes every screen uses, and the seam through which tests answer them.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

enum class MsgKind { Info, Stop, Alert, YesNo, NoYes };

// Any value is shown in its text form; an empty title becomes the application title.
void MsgInfo(const QVariant& text, const QString& title = QString());
void MsgStop(const QVariant& text, const QString& title = QString());
void MsgAlert(const QVariant& text, const QString& title = QString());
bool MsgYesNo(const QVariant& text, const QString& title = QString());  // Yes is the default
bool MsgNoYes(const QVariant& text, const QString& title = QString());  // No is the default

namespace MsgSeam {

struct Shown {
  MsgKind kind;
  QString title;
  QString text;
};

// While capturing, boxes are recorded instead of shown. A question takes the next queued
// answer, or its default button when none is queued.
void Capture(bool on);
bool Capturing();
void QueueAnswer(bool yes);
QList<Shown> Taken();  // every box shown since the last Clear, in order
QStringList Texts();   // their texts, in order
void Clear();

}  // namespace MsgSeam
