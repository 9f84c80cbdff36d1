#include "report/ReportComposer.h"

#include "questionnaire/AnswerLists.h"
#include "questionnaire/TraitCatalogue.h"
#include "report/ReportClipboard.h"
#include "report/RichTextBox.h"

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

const QColor headingColour(128, 0, 128);
const QColor captionColour(0, 128, 0);
const QColor interpretationColour(0, 0, 0);
const QString lineEnd = u"\r\n"_s;

} // namespace

// The report's own headings and sentences; they differ from the page labels in places.
const QList<ReportSection> &reportSections()
{
    static const QList<ReportSection> sections{
        {u"Margins"_s, u"Margins"_s,
         u"The margins indicate your tolerance and desire for esteem. They reveal the place that you desire "
         "to occupy and the place you currently occupy."_s},
        {u"Slant"_s, u"Slant"_s,
         u"The slant of your writing shows your emotional nature and your personality. This shows the "
         "connection between the writer's inner and outer world."_s},
        {u"Size of the Writing"_s, u"SizeOfTheWriting"_s,
         u"The size of your writing indicates the projection of your self-importance. It is a measure of "
         "self-esteem."_s},
        {u"Line Spacing"_s, u"LineSpacing"_s,
         u"Line spacing is a reflection of your sense of direction, concern for order and valuation of time."_s},
        {u"Word Spacing"_s, u"WordSpacing"_s,
         u"Spacing between words shows how much you relate to your immediate world."_s},
        {u"Letter Spacing"_s, u"LetterSpacing"_s,
         u"The spacing between letters shows how much you rely on other people's cooperation or your own "
         "intuition."_s},
        {u"Beginning Stroke"_s, u"BeginningStroke"_s,
         u"Beginning strokes show how you adjust yourself to new situations and assess the surrounding."_s},
        {u"Ending Stroke"_s, u"EndingStroke"_s,
         u"The ending strokes show your attitude towards society and your real nature."_s},
        {u"TBar Analysis"_s, QString(),
         u"This shows your will power and determination to reach your goal. It also shows the control you "
         "possess over yourself to overcome all obstacles."_s},
        {u"Stems"_s, u"Stems"_s, QString()},
        {u"Stem Height"_s, u"StemHeight"_s, QString()},
        {u"Bar Pressure"_s, u"BarPressure"_s, QString()},
        {u"Bar Height"_s, u"BarHeight"_s, QString()},
        {u"Length of Crossing"_s, u"LengthOfCrossing"_s, QString()},
        {u"I Dot Analysis"_s, u"IDotAnalysis"_s,
         u"This shows your speed, sphere of imagination, aspirations, intellect and ideals."_s},
        {u"The Lower Case E"_s, u"TheLowerCaseE"_s, u"This shows your culture, tastes and broadmindedness."_s},
        {u"The Lower Case M"_s, u"TheLowerCaseM"_s, u"This shows your communication skills and responsibility."_s},
        {u"The Lower Case o"_s, u"TheLowerCaseo"_s, u"This letter shows your openness, honesty and talkativeness."_s},
        {u"Stems of Lower Case d"_s, u"StemsofLowerCased"_s,
         u"This tells more about your talkativeness, creativity and self-conduct."_s},
        {u"The Lower Case g and y"_s, u"TheLowerCasegandy"_s,
         u"This shows your attitude towards sex, money and materialism."_s},
        {u"The Capital Letter I"_s, u"TheCapitalLetterI"_s,
         u"This is a self image of your personality. It reveals one's ego and self worth."_s},
        {u"Signature"_s, u"Signature"_s,
         u"This shows how you want others to perceive you. It shows if you inner and outward self are the "
         "same or not."_s},
    };
    return sections;
}

void ComposeReport(RichTextBox &box)
{
    clearReportTextFromClipboard();
    bool firstSection = true;
    for (const ReportSection &section : reportSections()) {
        box.setInsertionBold(true);
        box.setInsertionColour(headingColour);
        box.insertAtCaret(section.heading + lineEnd);
        if (firstSection) {
            // Only the first section's sentence keeps the heading's bold.
            box.insertAtCaret(box.selectedText() + section.significance + lineEnd);
            box.setInsertionBold(false);
            firstSection = false;
        } else {
            box.setInsertionBold(false);
            if (!section.significance.isEmpty())
                box.insertAtCaret(box.selectedText() + section.significance + lineEnd);
        }
        box.setInsertionColour(interpretationColour);
        if (section.traitId.isEmpty())
            continue;

        const TraitPage *trait = findTrait(section.traitId);
        const QStringList &answers = answerList(section.traitId);
        const bool skipEmpty = trait && trait->kind == SelectionKind::Multiple;
        // The spare last slot is never visited.
        for (int i = 0; i <= answers.size() - 2; ++i) {
            if (skipEmpty && answers[i].isEmpty())
                continue;
            const bool caption = i % 2 == 0;
            box.setInsertionColour(caption ? captionColour : interpretationColour);
            // A caption is stored in the caption notation ("Long && Curved"); the reader gets
            // it as the page showed it, with one ampersand.
            box.insertAtCaret((caption ? displayedCaption(answers[i]) : answers[i]) + lineEnd);
        }
    }
}

} // namespace quillon
