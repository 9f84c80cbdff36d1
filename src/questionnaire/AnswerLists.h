#pragma once

#include <QList>
#include <QStringList>

class QAbstractButton;

namespace quillon {

struct TraitPage;

// One list of answer slots per trait, in page order, alive for the whole run.
// Single choice: caption, interpretation, a spare slot. Multiple choice with n variants:
// caption and interpretation of variant i in slots 2i and 2i + 1, and a spare slot 2n.
QList<QStringList> &answerLists();
QStringList &answerList(const QString &traitId);
int answerSlotCount(const TraitPage &trait);

// Copies the chosen variants of a page into its trait's list. Returns false, leaving a
// single-choice list untouched and a multiple-choice list empty, when nothing is chosen.
// The buttons are the page's variant controls in index order.
bool captureAnswers(const TraitPage &trait, const QList<QAbstractButton *> &controls);

} // namespace quillon
