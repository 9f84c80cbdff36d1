#include "questionnaire/MeaningTables.h"

#include "questionnaire/MeaningTexts.h"
#include "questionnaire/TraitCatalogue.h"

namespace quillon {

QList<QStringList> &meaningTables()
{
    static QList<QStringList> tables = [] {
        QList<QStringList> empty;
        for (const TraitPage &trait : traitCatalogue()) {
            QStringList table;
            for (int i = 0; i <= trait.variantCount(); ++i)
                table.append(QString());
            empty.append(table);
        }
        return empty;
    }();
    return tables;
}

const QStringList &meaningTable(const QString &traitId)
{
    return meaningTables()[traitIndex(traitId)];
}

void LoadMeaningTables()
{
    QList<QStringList> &tables = meaningTables();
    for (const TraitTexts &source : interpretationTexts()) {
        const int index = traitIndex(source.traitId);
        if (index < 0)
            continue;
        QStringList &table = tables[index];
        const QStringList texts = source.texts();
        // The last slot stays empty: only slots 0 to n-1 belong to variants.
        for (int i = 0; i < texts.size() && i < table.size() - 1; ++i)
            table[i] = texts[i];
    }
}

} // namespace quillon
