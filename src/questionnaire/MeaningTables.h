#pragma once

#include <QList>
#include <QStringList>

namespace quillon {

// The interpretation text of each variant, one table per trait in page order. A table has
// one slot more than its trait has variants; the last slot is never filled.
// The tables live as long as the program and are refilled at every load of the questionnaire.
QList<QStringList> &meaningTables();
const QStringList &meaningTable(const QString &traitId);

// Fills every table, in page order and variant order; running it again changes nothing.
void LoadMeaningTables();

} // namespace quillon
