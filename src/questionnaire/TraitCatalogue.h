#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

enum class SelectionKind { Single, Multiple };

// Where a page's Back and Next buttons stand.
enum class ButtonPlacement {
    SideBySide, // Back left of Next at the bottom right
    Stacked,    // Next above Back in the fifth column (nine-variant pages)
    LastPage,   // Back and "View Result"
    InGroup,    // the T-Bar sub-page positions
};

struct Variant {
    QString caption;   // stored notation: "&&" stands for one literal ampersand
    bool hasPicture = true;
    int controlHeight; // twips
};

struct TraitPage {
    QString id;              // stem of every control name of the page
    QString caption;
    bool inTBarGroup = false;
    QString significance;    // inner significance sentence for T-Bar members
    int significanceIndex;   // index in lblSignificance, or lblInnerSig for T-Bar members
    int instructionIndex;    // index in lblInstruction
    SelectionKind kind;
    QString controlPrefix;   // "opt" or "chk"
    QList<Variant> variants;
    int controlWidth = 1800; // twips
    int row0Top = 0;         // twips; variant controls of the first row
    int row1Top = 0;
    int significanceHeight = 405;
    ButtonPlacement buttons = ButtonPlacement::SideBySide;
    QString pictureSubject;  // what the sample pictures show, for screen readers

    int variantCount() const { return int(variants.size()); }
    QString instruction() const;
    QString frameName() const { return QStringLiteral("fra") + id; }
    QString controlName(int index) const;
    QString pictureName(int index) const;
    QString backName() const { return QStringLiteral("cmd") + id + QStringLiteral("Back"); }
    QString nextName() const { return QStringLiteral("cmd") + id + QStringLiteral("Next"); }
};

struct TraitGroup {
    QString id;
    QString caption;
    QString significance;
    int significanceIndex;
    QStringList members;
    QString frameName() const { return QStringLiteral("fra") + id; }
};

// The 21 pages in page order.
const QList<TraitPage> &traitCatalogue();
const TraitGroup &tBarGroup();
// Page-order index of a trait, or -1.
int traitIndex(const QString &id);
const TraitPage *findTrait(const QString &id);

QString singleChoiceInstruction();
QString multipleChoiceInstruction();
// A stored caption as the page shows it ("Long && Curved" → "Long & Curved").
QString displayedCaption(const QString &storedCaption);

} // namespace quillon
