#include "questionnaire/TraitCatalogue.h"

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// Variants that share one control height; heights are in twips.
QList<Variant> variants(std::initializer_list<QString> captions, int controlHeight)
{
    QList<Variant> result;
    for (const QString &caption : captions)
        result.append(Variant{caption, true, controlHeight});
    return result;
}

QList<Variant> withHeights(QList<Variant> list, std::initializer_list<std::pair<int, int>> heights)
{
    for (const auto &[index, height] : heights)
        list[index].controlHeight = height;
    return list;
}

QList<Variant> withoutPicture(QList<Variant> list, int index)
{
    list[index].hasPicture = false;
    return list;
}

TraitPage page(QString id, QString caption, SelectionKind kind, QString significance,
               int significanceIndex, int instructionIndex, QList<Variant> variantList,
               int row0Top, int row1Top, ButtonPlacement buttons, QString pictureSubject)
{
    TraitPage result;
    result.id = std::move(id);
    result.caption = std::move(caption);
    result.kind = kind;
    result.controlPrefix = kind == SelectionKind::Single ? u"opt"_s : u"chk"_s;
    result.significance = std::move(significance);
    result.significanceIndex = significanceIndex;
    result.instructionIndex = instructionIndex;
    result.variants = std::move(variantList);
    result.row0Top = row0Top;
    result.row1Top = row1Top;
    result.buttons = buttons;
    result.pictureSubject = std::move(pictureSubject);
    return result;
}

TraitPage groupMember(QString id, QString caption, QString innerSignificance, int innerIndex,
                      int instructionIndex, QList<Variant> variantList, QString pictureSubject)
{
    TraitPage result = page(std::move(id), std::move(caption), SelectionKind::Single,
                            std::move(innerSignificance), innerIndex, instructionIndex,
                            std::move(variantList), 2880, 5355, ButtonPlacement::InGroup,
                            std::move(pictureSubject));
    result.inTBarGroup = true;
    return result;
}

TraitPage withControlWidth(TraitPage trait, int width)
{
    trait.controlWidth = width;
    return trait;
}

QList<TraitPage> buildCatalogue()
{
    using K = SelectionKind;
    using B = ButtonPlacement;
    QList<TraitPage> pages;

    TraitPage margins = page(u"Margins"_s, u"Margins"_s, K::Single,
        u"The margins indicate your tolerance and desire for esteem. They reveal the place that you "
        "desire to occupy and the place you currently occupy."_s, 0, 0,
        variants({u"Wide Left Margin"_s, u"Wide Right Margin"_s, u"Narrow to Wider Right Margin"_s,
                  u"Narrow to Wider Left Margin"_s, u"Even Margins All Around"_s, u"Wide Upper Margin"_s,
                  u"Wide Lower Margin"_s, u"No Margins"_s}, 495),
        3075, 5835, B::SideBySide, u"A page outline with lines of writing"_s);
    margins.controlWidth = 1815;
    margins.significanceHeight = 400;
    pages.append(margins);

    pages.append(page(u"Slant"_s, u"Slant"_s, K::Single,
        u"The slant of your writing shows your emotional nature and your personality. This shows the "
        "connection between the writer's inner and outer world."_s, 1, 1,
        variants({u"Vertical Slant"_s, u"Moderate Left Slant"_s, u"Extreme Left Slant"_s,
                  u"Moderate Right Slant"_s, u"Extreme Right Slant"_s, u"Irregular Slant"_s}, 375),
        3075, 5835, B::SideBySide, u"Lines of unjoined handwriting"_s));

    pages.append(page(u"SizeOfTheWriting"_s, u"Size of the Writing"_s, K::Single,
        u"The size of your writing indicates the projection of your self-importance. It is a measure "
        "of self-esteem."_s, 2, 2,
        variants({u"Tall"_s, u"Small"_s, u"Narrow"_s, u"Broad"_s, u"Irregular"_s}, 495),
        3075, 0, B::SideBySide, u"Handwritten letters"_s));

    pages.append(page(u"LineSpacing"_s, u"Line Spacing"_s, K::Single,
        u"Line spacing is a reflection of your sense of direction, concern for order and valuation of "
        "time. "_s, 3, 3,
        variants({u"Even Line Spacing"_s, u"Wide Line Spacing"_s, u"Very Wide Spacing"_s,
                  u"Narrow Line Spacing"_s, u"Overlapping"_s}, 375),
        3075, 0, B::SideBySide, u"Lines of cursive text"_s));

    pages.append(page(u"WordSpacing"_s, u"Word Spacing"_s, K::Single,
        u"Spacing between words shows how much you relate to your immediate world."_s, 4, 4,
        variants({u"Even Spaces"_s, u"Uneven Spaces"_s, u"Small Spaces"_s, u"Large Spaces"_s,
                  u"Very Large Spaces"_s}, 375),
        3075, 0, B::SideBySide, u"Lines of cursive text"_s));

    pages.append(page(u"LetterSpacing"_s, u"Letter Spacing"_s, K::Single,
        u"The spacing between letters shows how much you rely on other people's cooperation or your "
        "own intuition."_s, 5, 5,
        variants({u"Close Spaced"_s, u"Wide Spaced"_s, u"Normal"_s}, 495),
        3075, 0, B::SideBySide, u"Two handwritten words, one above the other"_s));

    pages.append(page(u"BeginningStroke"_s, u"Beginning Stroke"_s, K::Multiple,
        u"Beginning strokes show how you adjust yourself to new situations and assess the "
        "surrounding."_s, 6, 6,
        variants({u"Long && Curved"_s, u"Unbending "_s, u"Long && Below Baseline Stroke"_s,
                  u"Curved Right to Left"_s, u"Absent"_s}, 615),
        3120, 0, B::SideBySide, u"A handwritten word and the lead-in stroke of its first letter"_s));

    pages.append(page(u"EndingStroke"_s, u"Ending Stroke"_s, K::Multiple,
        u"The ending strokes show your attitude towards society and your real nature."_s, 7, 7,
        variants({u"Long, Blunt && Upward-tending"_s, u"Upward-tending && Tapered"_s, u"High Reaching"_s,
                  u"Below Baseline"_s, u"Curving from Right to Left"_s, u"Extended"_s, u"Missing"_s}, 615),
        3120, 5835, B::SideBySide, u"A handwritten word and the final stroke of its last letter"_s));

    pages.append(groupMember(u"Stems"_s, u"Stems"_s, u"    "_s, 0, 8,
        variants({u"Retraced"_s, u"Looped"_s, u"Inflexible Beginning Stroke"_s}, 400),
        u"A handwritten letter t and its stem"_s));
    pages.append(groupMember(u"StemHeight"_s, u"Stem Height"_s, u"This reflects idealism."_s, 1, 9,
        variants({u"Normal Stem"_s, u"Long Stem"_s, u"Short Stem"_s, u"Spread-out Stem"_s}, 400),
        u"A handwritten letter t and the height of its stem"_s));
    pages.append(groupMember(u"BarPressure"_s, u"Bar Pressure"_s, u"This shows willpower."_s, 2, 10,
        variants({u"Normal Pressure"_s, u"Light Pressure"_s, u"Heavy Pressure"_s,
                  u"Starts with Heavy Pressure but tapers out"_s}, 600),
        u"A handwritten letter t and the pressure of its bar"_s));
    pages.append(groupMember(u"BarHeight"_s, u"Bar Height"_s, u"This indicates goals to be achieved."_s, 4, 11,
        withoutPicture(variants({u"Bar Above Stem"_s, u"High Bar"_s, u"Balanced Bar"_s, u"Low Bar"_s,
                                 u"None"_s}, 375), 4),
        u"A handwritten letter t and the height of its bar"_s));
    pages.append(groupMember(u"LengthOfCrossing"_s, u"Length of Crossing"_s, u"This indicates control."_s, 6, 12,
        withoutPicture(variants({u"Long "_s, u"Short"_s, u"Ascending"_s, u"Descending"_s, u"More to Left"_s,
                                 u"More to Right"_s, u"Absent"_s}, 375), 6),
        u"A handwritten letter t and the length of its bar"_s));

    pages.append(withControlWidth(page(u"IDotAnalysis"_s, u"I -Dot Analysis"_s, K::Multiple,
        u"This shows your speed, sphere of imagination, aspirations, intellect and ideals."_s, 9, 13,
        withHeights(variants({u"Round and Directly Above the Stem"_s, u"Round and Just Above the Stem"_s,
                              u"Round and High Above the Stem"_s, u"Very Light"_s, u"Left-placed Dot"_s,
                              u"Right-placed Dot"_s, u"Circular Dot"_s, u"Smudged Dot"_s, u"Absent Dot"_s}, 495),
                    {{0, 600}, {1, 615}, {4, 600}}),
        3075, 5835, B::Stacked, u"A handwritten letter i and its dot"_s), 1815));

    pages.append(page(u"TheLowerCaseE"_s, u"The Lower Case \"E\""_s, K::Single,
        u"This shows your culture, tastes and broadmindedness."_s, 10, 14,
        variants({u"Narrow Loop"_s, u"Broad Loop"_s, u"No Loop"_s, u"Greek \"E\""_s}, 400),
        3120, 0, B::SideBySide, u"A handwritten letter e"_s));

    TraitPage lowerCaseM = withControlWidth(page(u"TheLowerCaseM"_s, u"The Lower Case \"M\""_s, K::Multiple,
        u"This shows your communication skills and responsibility."_s, 11, 15,
        variants({u"Uphill Humps"_s, u"Down Humps"_s, u"Even Humps"_s, u"Rounded Humps"_s, u"Sharp Humps"_s}, 495),
        3075, 0, B::SideBySide, u"A handwritten letter m and its humps"_s), 1815);
    lowerCaseM.controlPrefix = u"opt"_s; // check boxes, named like option buttons all the same
    pages.append(lowerCaseM);

    pages.append(page(u"TheLowerCaseo"_s, u"The Lower Case 'o'"_s, K::Single,
        u"This letter shows your openness, honesty and talkativeness."_s, 12, 16,
        variants({u"Closed at the Top with No Loops"_s, u"Open at the Top"_s, u"One Inner Loop"_s}, 615),
        3075, 0, B::SideBySide, u"Handwritten letters a and o"_s));

    pages.append(page(u"StemsofLowerCased"_s, u"Stems of Lower Case 'd'"_s, K::Single,
        u"This tells more about your talkativeness, creativity and self-conduct."_s, 13, 17,
        variants({u"Higher than Normal"_s, u"Pointed"_s, u"Looped"_s, u"Split Stem"_s}, 375),
        3075, 0, B::SideBySide, u"A handwritten letter d and its stem"_s));

    pages.append(page(u"TheLowerCasegandy"_s, u"The Lower Case 'g' and 'y'"_s, K::Multiple,
        u"This shows your attitude towards sex, money and materialism."_s, 14, 18,
        variants({u"Triangular Loop"_s, u"Rounded Full Loop"_s, u"Long && Closed Loop"_s, u"Blunt Down Stroke"_s,
                  u"Long Down Stroke"_s, u"Open Loop"_s, u"Left Arc"_s, u"Small && Cramped Loop"_s,
                  u"Broad && Full Loop"_s}, 495),
        3075, 5835, B::Stacked, u"Handwritten letters g and y and their lower loops"_s));

    pages.append(page(u"TheCapitalLetterI"_s, u"The Capital Letter \"I\""_s, K::Multiple,
        u"This is a self image of your personality. It reveals one's ego and self worth."_s, 15, 19,
        variants({u"Single Stroke"_s, u"Longer Bottom Stroke"_s, u"Longer Top Stroke"_s,
                  u"Equal Top && Bottom Stroke"_s, u"Tilted to the Left"_s, u"Tilted to the Right"_s,
                  u"Vertical"_s, u"Inflated Loop"_s, u"Deflated Loop"_s}, 495),
        3075, 5835, B::Stacked, u"A handwritten capital letter I"_s));

    pages.append(page(u"Signature"_s, u"Signature"_s, K::Multiple,
        u"This shows how you want others to perceive you. It shows if you inner and outward self are "
        "the same or not."_s, 16, 20,
        withHeights(variants({u"Clear Signature"_s, u"Illegible Signature"_s,
                              u"Signature Size is Smaller than Script"_s, u"Signature Size is Larger than Script"_s,
                              u"Underlined Signature"_s, u"Encircled Signature"_s, u"Crossed-Out Signature"_s}, 495),
                    {{2, 600}, {3, 600}}),
        3075, 5835, B::LastPage, u"A handwritten signature"_s));
    return pages;
}

} // namespace

QString TraitPage::instruction() const
{
    return kind == SelectionKind::Single ? singleChoiceInstruction() : multipleChoiceInstruction();
}

QString TraitPage::controlName(int index) const
{
    return controlPrefix + id + u'(' + QString::number(index) + u')';
}

QString TraitPage::pictureName(int index) const
{
    return u"pic"_s + id + u'(' + QString::number(index) + u')';
}

const QList<TraitPage> &traitCatalogue()
{
    static const QList<TraitPage> catalogue = buildCatalogue();
    return catalogue;
}

const TraitGroup &tBarGroup()
{
    static const TraitGroup group{
        u"TBarAnalysis"_s, u"T-Bar Analysis"_s,
        u"This shows your will power and determination to reach your goal. It also shows the control "
        "you possess over yourself to overcome all obstacles."_s,
        8,
        {u"Stems"_s, u"StemHeight"_s, u"BarPressure"_s, u"BarHeight"_s, u"LengthOfCrossing"_s}};
    return group;
}

int traitIndex(const QString &id)
{
    const auto &catalogue = traitCatalogue();
    for (int i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].id == id)
            return i;
    }
    return -1;
}

const TraitPage *findTrait(const QString &id)
{
    const int index = traitIndex(id);
    return index < 0 ? nullptr : &traitCatalogue()[index];
}

QString singleChoiceInstruction()
{
    return u"Choose one of the following options that suits your handwriting the most."_s;
}

QString multipleChoiceInstruction()
{
    return u"Choose one or more of the following options that suits your handwriting the most."_s;
}

QString displayedCaption(const QString &storedCaption)
{
    QString shown;
    shown.reserve(storedCaption.size());
    for (qsizetype i = 0; i < storedCaption.size(); ++i) {
        const QChar c = storedCaption.at(i);
        if (c == u'&') {
            if (i + 1 < storedCaption.size() && storedCaption.at(i + 1) == u'&') {
                shown.append(u'&');
                ++i;
            }
            continue; // a single ampersand only marks an access key
        }
        shown.append(c);
    }
    return shown;
}

} // namespace quillon
