#include "questionnaire/AnswerLists.h"

#include "questionnaire/MeaningTables.h"
#include "questionnaire/TraitCatalogue.h"

#include <QAbstractButton>

namespace quillon {

int answerSlotCount(const TraitPage &trait)
{
    return trait.kind == SelectionKind::Single ? 3 : 2 * trait.variantCount() + 1;
}

QList<QStringList> &answerLists()
{
    static QList<QStringList> lists = [] {
        QList<QStringList> empty;
        for (const TraitPage &trait : traitCatalogue()) {
            QStringList table;
            for (int i = 0; i < answerSlotCount(trait); ++i)
                table.append(QString());
            empty.append(table);
        }
        return empty;
    }();
    return lists;
}

QStringList &answerList(const QString &traitId)
{
    return answerLists()[traitIndex(traitId)];
}

bool captureAnswers(const TraitPage &trait, const QList<QAbstractButton *> &controls)
{
    QStringList &answers = answerList(trait.id);
    const QStringList &meanings = meaningTable(trait.id);
    const int count = std::min<int>(trait.variantCount(), int(controls.size()));

    if (trait.kind == SelectionKind::Single) {
        for (int i = 0; i < count; ++i) {
            if (controls[i]->isChecked()) {
                answers[0] = controls[i]->text(); // the stored notation, "&&" and all
                answers[1] = meanings.value(i);
                return true;
            }
        }
        return false;
    }

    for (QString &slot : answers)
        slot.clear();
    bool found = false;
    for (int i = 0; i < count; ++i) {
        if (controls[i]->isChecked()) {
            answers[2 * i] = controls[i]->text();
            answers[2 * i + 1] = meanings.value(i);
            found = true;
        }
    }
    return found;
}

} // namespace quillon
