#include "questionnaire/PictureDescriptions.h"

#include "shell/AppAssets.h"

#include <QHash>
#include <QImageReader>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// Per trait, in variant order; an empty entry stands for a variant without a
// picture. Each says what is drawn and how this variant differs from the
// others of its page, in words a listener can picture.
const QHash<QString, QStringList> &descriptions()
{
    static const QHash<QString, QStringList> table = {
        {u"Margins"_s,
         {u"A page outline whose lines of writing start far in from the left edge and run close to the right edge"_s,
          u"A page outline whose lines of writing start close to the left edge and stop far short of the right edge"_s,
          u"A page outline whose lines of writing reach close to the right edge at the top and stop further from it "
          "on every line down the page"_s,
          u"A page outline whose lines of writing start close to the left edge at the top and further in on every "
          "line down the page, their right ends ragged where each line's last word stops"_s,
          u"A page outline with a block of writing framed by the same width of empty paper on all four sides"_s,
          u"A page outline whose writing begins only halfway down, below a deep band of empty paper"_s,
          u"A page outline whose writing stops halfway down, leaving the lower half of the page empty"_s,
          u"A page outline filled with writing from top to bottom and edge to edge, every line starting right at "
          "the left edge and running on to the right edge or to within a letter of it, the writing ending with a "
          "whole sentence part way along its last line, just above the foot of the page"_s}},
        {u"Slant"_s,
         {u"Three lines of unjoined handwriting, \"tall kite held the bell\", whose letters stand straight up"_s,
          u"Three lines of unjoined handwriting whose letters lean a little backwards, their tops to the left"_s,
          u"Three lines of unjoined handwriting whose letters lean far backwards, their tops well to the left, "
          "written leaning rather than pushed over: slim letters whose lean wanders a few degrees from one to the "
          "next, the tall strokes slightly curved and leaning a little further than the small letters, the bowls "
          "leaning ovals against their stems, the t bars nearly level, each letter a little apart from the next, "
          "every foot on a steady line, all well clear of the picture's sides"_s,
          u"Three lines of unjoined handwriting whose letters lean a little forwards, their tops to the right"_s,
          u"Three lines of unjoined handwriting whose letters lean far forwards, their tops well to the right, "
          "written leaning rather than pushed over: slim letters whose lean wanders a few degrees from one to the "
          "next, the tall strokes slightly curved and leaning a little further than the small letters, the bowls "
          "leaning ovals against their stems, the t bars nearly level, each letter a little apart from the next, "
          "every foot on a steady line, all well clear of the picture's sides"_s,
          u"Three lines of unjoined handwriting whose letters lean different ways within each word: one stands "
          "upright, the next leans well forwards, another well backwards, yet all evenly spaced"_s}},
        {u"SizeOfTheWriting"_s,
         {u"The words \"little bells\" in unjoined print on two lines, written tall: big upright letters of "
          "ordinary, roundish proportions, their ascenders drawn out to reach very high above them, in the same pen "
          "as the others"_s,
          u"The words \"little bells\" in unjoined print written small, taking up only a little patch in the "
          "middle of the picture"_s,
          u"The words \"little bells\" in unjoined print written narrow: letters of the usual height, no taller, "
          "but closely formed, slim upright letters with tall narrow bowls, close together, in a slightly finer pen"_s,
          u"The words \"little bells\" in unjoined print written broad: wide letters of the usual height, with "
          "wide round bowls and long t bars but only ordinary gaps between the letters, in a slightly heavier pen"_s,
          u"The words \"little bells\" in the same print, but its size will not keep still: letter by letter the "
          "letters come out plainly bigger or smaller, the e of \"little\" standing well over twice as high as its "
          "little i and the s of \"bells\" towering over a tiny e, the ascenders reaching higher or stopping short, "
          "\"little\" written bigger as a whole than \"bells\", all on the one baseline and in the one pen"_s}},
        {u"LineSpacing"_s,
         {u"Lines of joined handwriting with the same moderate gap, about one line's height, between every two "
          "lines"_s,
          u"Lines of joined handwriting with a gap of about two lines' height between each line and the next"_s,
          u"Only three lines of joined handwriting, set so far apart, and not quite evenly, that most of the picture "
          "is empty paper"_s,
          u"Lines of joined handwriting packed close together, the tails of one line nearly touching the tall "
          "letters of the next"_s,
          u"Lines of joined handwriting with long loops, so close together that the tails of one line cross the "
          "tall loops of the next, while each line's small letters still keep to their own band"_s}},
        {u"WordSpacing"_s,
         {u"Lines of joined handwriting with gaps of the same moderate width between all the words"_s,
          u"Lines of joined handwriting in which some words nearly run together while others stand far apart"_s,
          u"Lines of joined handwriting whose words almost run into one another, with hardly any space between "
          "them"_s,
          u"Lines of joined handwriting with wide gaps between the words, about the width of a short word"_s,
          u"Five lines of joined handwriting, the same size as the others, with very wide gaps between the words, "
          "each gap wider than most of the words themselves and none quite like the next, so that only two or "
          "three words of very different lengths fit on a line, the lines start and end unevenly and the words of "
          "one line do not start under those of the next"_s}},
        {u"LetterSpacing"_s,
         {u"The handwritten words \"best\" and \"notes\", one above the other, their letters crowded so close "
          "that they almost touch"_s,
          u"The handwritten words \"best\" and \"notes\", one above the other, with a wide gap after every "
          "letter, some gaps wider than others, so each letter stands on its own"_s,
          u"The handwritten words \"best\" and \"notes\", one above the other, with the usual small gap between "
          "the letters"_s}},
        {u"BeginningStroke"_s,
         {u"The handwritten word \"man\" with a long lead-in, nearly as heavy as the letters, that leaves the line "
          "almost flat and curves up ever more steeply into the m"_s,
          u"The handwritten word \"man\" with a short, dead straight, stiff lead-in, as heavy as the letters, rising "
          "from the line into the m"_s,
          u"The handwritten word \"man\" with a long lead-in, nearly as heavy as the letters, that starts well below "
          "the line and sweeps up into the m without a break"_s,
          u"The handwritten word \"man\" whose light, quick lead-in runs backwards: the pen lands under the end "
          "of the word, sweeps left just under the line past the foot of the m, turns round in front of it and "
          "rises into the first stroke of the m without a lift"_s,
          u"The handwritten word \"man\" with no lead-in: the m starts straight down from its top"_s}},
        {u"EndingStroke"_s,
         {u"The handwritten word \"man\" whose last stroke rises a long way to the right, as heavy as the letters "
          "all the way, and stops with a blunt, rounded end instead of thinning out"_s,
          u"The handwritten word \"man\" whose last stroke is a short flick rising to the right that thins away to a "
          "needle point"_s,
          u"The handwritten word \"man\" whose last stroke climbs up to the right at a steep slant, far above the "
          "tops of the letters, thinning as it goes"_s,
          u"The handwritten word \"man\" whose final stroke leaves the foot of the n, drops away under the "
          "line and curves off to the right, ending in a tail that runs out along under the word"_s,
          u"The handwritten word \"man\" whose last stroke turns up from the foot of the n, climbs close beside it "
          "and arches back to the left high over the n and the a like a roof, thinning as it ends"_s,
          u"The handwritten word \"man\" whose last stroke runs on flat along the line, well past the word"_s,
          u"The handwritten word \"man\" that stops short at the foot of the n, with no final stroke"_s}},
        {u"Stems"_s,
         {u"The word at, the stroke from the a climbing on a clear slant into the t's stem about a third of the "
          "way up, up the stem and back down nearly over the same line, so the stem is clearly heavier than one "
          "written once, its upper part showing a doubled right edge where the two passes part by a hair for a "
          "few short stretches"_s,
          u"The word at, the stroke from the a rising on a slant to the t's stem and going on up beside it in a "
          "narrow loop that opens in the stem"_s,
          u"The word to, the t starting with a stiff straight stroke of full weight from well out on the line that "
          "runs up on a long slant to meet its stem low down, well below the bar"_s}},
        {u"StemHeight"_s,
         {u"The word hat, the a's last stroke turning along the line at its foot and climbing on into the t's stem "
          "low down; the stem, written up and back down over the same line, rises well clear of its bar but stays "
          "below the top of the h"_s,
          u"The word hat, the a's last stroke turning along the line at its foot and climbing on into the t's stem "
          "low down; the stem, written up and back down over the same line, rises well above the top of the h"_s,
          u"The word hat, the a's last stroke turning along the line at its foot and climbing on into the t's stem "
          "low down; the t, written up and back down over the same line, is no taller than the a, its stem barely "
          "showing above the bar"_s,
          u"The word hat, its t made without going back over itself: the a's last stroke turns along the line at its foot "
          "and runs on into the t, climbing ever steeper to a point at the top, and the pen comes straight back down braced "
          "out to the right, both strokes of much the same weight, so the stem stands like a narrow upside-down "
          "V, its legs parting just under the point and widening towards the line; the bar crosses it high up "
          "and reaches further out to the right"_s}},
        {u"BarPressure"_s,
         {u"The word tot, the bars of its t's of ordinary weight, close to that of the stems"_s,
          u"The word tot, the bars of its t's fine unbroken hairlines, as from a pen barely touching the paper, "
          "and the stems and the o a little finer and paler than usual"_s,
          u"The word tot written with a hard-pressed pen, stems and o heavy and dark, the bars of its t's pressed as broad as the stems"_s,
          u"The word tot, the bars of its t's starting thick on the left, holding their weight a moment and "
          "thinning out to a fine hairline on the right, rising a little as they end"_s}},
        {u"BarHeight"_s,
         {u"The word tot, the bars of its t's floating above the tops of the stems without touching them, each a "
          "quick stroke thinning to the right, one climbing, the other gently arched"_s,
          u"The word tot, the bars of its t's crossing the stems close under their tops"_s,
          u"The word tot, the bars of its t's crossing the stems about halfway up, level with the top of the o"_s,
          u"The word tot, the bars of its t's crossing low on the stems, close to the line"_s,
          QString()}},
        {u"LengthOfCrossing"_s,
         {u"A lower case t whose long bar runs far out on both sides of the stem, rising a little to the right"_s,
          u"A lower case t whose bar is a short dash that barely crosses the stem"_s,
          u"A lower case t whose bar climbs from lower left to upper right as it crosses the stem"_s,
          u"A lower case t whose bar drops from upper left to lower right as it crosses the stem"_s,
          u"A lower case t whose bar runs far out to the left of the stem and stops just past it"_s,
          u"A lower case t whose bar starts just left of the stem and runs far out to the right"_s,
          QString()}},
        {u"IDotAnalysis"_s,
         {u"The word \"mini\", each i with a round dot exactly plumb over its stem at the usual height, a clear gap of "
          "most of the letter's height above it"_s,
          u"The word \"mini\", each i with a round dot set low, just over the tip of its stem and plainly to the "
          "right of plumb, with only a small gap of paper between them"_s,
          u"The word \"mini\", each i with a round dot far above its stem, near the top of the picture"_s,
          u"The word \"mini\", each i with a faint touch of the pen at the usual height instead of a full dot: a "
          "small pale grey dot, smaller than an ordinary one, its ink lying unevenly, darker in a thin crescent on "
          "the side where the pen bore as it landed, paler and patchy inside, and drawn out a little on the far "
          "side where the pen moved on as it lifted. The two differ in size and in the way they were drawn out, "
          "as if the pen barely touched the paper"_s,
          u"The word \"mini\", each i with its dot set clearly off to the left of the stem and lower than usual, "
          "well clear of the stem's tip, so it sits off at an angle from the stem's top"_s,
          u"The word \"mini\", each i with its dot set clearly off to the right of the stem and lower than usual, "
          "well clear of the stem's tip, so it sits off at an angle from the stem's top"_s,
          u"The word \"mini\", each i dotted with a small open circle instead of a dot"_s,
          u"The word \"mini\", each i's dot wiped by a fingertip while still wet: a dark, dense remnant of the dot, "
          "a little paler where ink was lifted from it, and out of it a short grey smear running to the right and a "
          "touch down, so the whole mark is only about two and a half dots long; it fades quickly and unevenly, "
          "shows faint fine streaks along the way it was wiped and has soft, uneven edges, the second i's a little "
          "shorter and turned a little further down"_s,
          u"The word \"mini\" with no dots over the i's at all"_s}},
        {u"TheLowerCaseE"_s,
         {u"The word \"see\", its two small, round e's joined in one stroke, lower than the s, each with a slim, slit-like eye leaning "
          "into a wide, round back"_s,
          u"The word \"see\", its two e's joined in one stroke, with wide, open, round loops"_s,
          u"The word \"see\", its two e's each written in one movement without any loop: a short, nearly level bar "
          "starts in the middle of the letter, well clear of its back, runs right to the shoulder and turns up there "
          "over the top, down the back and round the foot, so the eye stays open on the left and nothing crosses"_s,
          u"The word \"see\", its two e's in the Greek form, each like a 3 written backwards"_s}},
        {u"TheLowerCaseM"_s,
         {u"A lower case m whose second hump stands much higher than its first"_s,
          u"A lower case m whose second hump is much lower than its first"_s,
          u"A lower case m with two upright arches exactly alike in height and width, their shoulders turned "
          "short and their tops running level"_s,
          u"A lower case m with two wide, low humps, each a round arch"_s,
          u"A lower case m with pointed humps, written like a zigzag"_s}},
        {u"TheLowerCaseo"_s,
         {u"A lower case a and o, each oval closed neatly at the top, without any loop"_s,
          u"A lower case a and o, each oval left with a small gap at its top"_s,
          u"A lower case a and o, the a closed plainly and the o closed at the top with one small loop curled inside the top of the oval, where the stroke closes"_s}},
        {u"StemsofLowerCased"_s,
         {u"The letters a and d, the stem of the d rising very high, more than three times the height of the a"_s,
          u"The letters a and d, the stem of the d drawn up and down to a sharp point, a narrow upturned V whose two "
          "strokes, of much the same weight, meet only at the tip"_s,
          u"The letters a and d, the stem of the d with a narrow loop in it"_s,
          u"The letters a and d, the stem of the d split at its top into a narrow V-shaped fork, two strokes that "
          "part towards the top and run into one stem above the bowl"_s}},
        {u"TheLowerCasegandy"_s,
         {u"A lower case g and y whose lower parts end in a triangle with a flat bottom and a straight stroke back "
          "up"_s,
          u"A lower case g and y whose lower parts end in a full loop as round as it is deep"_s,
          u"A lower case g and y whose lower parts are long and end in a narrow, closed loop"_s,
          u"A lower case g and y, the y's top a round u, whose lower parts go straight on down from the stem, "
          "leaning a shade to the left, and stop short, swelling heavier at the end where the pen bore down "
          "before lifting, without any turn, hook or loop"_s,
          u"A lower case g and y whose lower parts are long straight lines with no loop, each ending in a little "
          "hook to the left"_s,
          u"A lower case g and y whose lower parts curve round into a loop whose up-stroke stops well short of the "
          "stem, leaving a wide gap"_s,
          u"A lower case g and y whose lower parts bend away to the left in a long, low arc without any stroke "
          "back up"_s,
          u"A lower case g and y whose lower parts end in a small, narrow loop closing just under the line"_s,
          u"A lower case g and y whose lower parts swing out into a very wide, full loop"_s}},
        {u"TheCapitalLetterI"_s,
         {u"A capital I written as one straight upright line, followed by \"am\""_s,
          u"A capital I with strokes across its top and foot, the one at the foot much longer, followed by \"am\""_s,
          u"A capital I with strokes across its top and foot, the one at the top much longer, followed by \"am\""_s,
          u"A capital I with strokes of the same length across its top and foot, followed by \"am\""_s,
          u"A capital I leaning backwards with its top to the left: an up-stroke from the left into a loop at its "
          "top, the stem slanting down to the right onto a short stroke across its foot, followed by \"am\""_s,
          u"A capital I written leaning forwards with its top to the right: a short up-stroke from the left into a loop "
          "at its top, the stem slanting down onto a stroke along the line at its foot, standing on the line of "
          "\"am\""_s,
          u"A capital I with a stroke across its foot, its long stem standing plumb upright under an ordinary oval loop, even on both sides, followed by "
          "\"am\""_s,
          u"A capital I with a very large, full loop at its top and a stroke across its foot, leaning only slightly forwards, "
          "followed by \"am\""_s,
          u"A capital I with a stroke across its foot, whose loop has collapsed into a long, thin but still open loop against the stem, leaning "
          "only slightly forwards, followed by \"am\""_s}},
        {u"Signature"_s,
         {u"The signature \"J. Marlowe\", written fast and slanting, with a curved lead-in to the J and a "
          "rising end stroke, yet easy to read"_s,
          u"A signature scrawled as a large initial and a run of uneven loops and peaks that cannot be read"_s,
          u"Four short lines of a note in large handwriting, with a much smaller signature \"J. Marlowe\" under "
          "them"_s,
          u"Three lines of a note in small handwriting, with a much larger signature \"J. Marlowe\" under them"_s,
          u"The signature \"J. Marlowe\" with a line drawn under it"_s,
          u"The signature \"J. Marlowe\" with an oval swung round it by hand, tilted a little and running on past "
          "where it started"_s,
          u"The signature \"J. Marlowe\" struck through with a quick pen stroke that runs across it and back"_s}},
    };
    return table;
}

} // namespace

QString pictureDescription(const QString &traitId, int variantIndex)
{
    const QStringList list = descriptions().value(traitId);
    return variantIndex >= 0 && variantIndex < list.size() ? list.at(variantIndex) : QString();
}

QString pictureToolTip(const QString &traitId, int variantIndex)
{
    const QString description = pictureDescription(traitId, variantIndex);
    const QString path = samplePicturePath(traitId, variantIndex, true);
    if (description.isEmpty() || path.isEmpty())
        return {};
    // The picture drawn at twice the size, shown pixel for pixel, with the
    // description wrapped to its width above it.
    const QSize size = QImageReader(path).size();
    return u"<table cellspacing=\"0\" cellpadding=\"2\" width=\"%3\"><tr><td>%1</td></tr>"
           "<tr><td><img src=\"%2\" width=\"%3\" height=\"%4\"/></td></tr></table>"_s.arg(
        description.toHtmlEscaped(), path, QString::number(size.width()), QString::number(size.height()));
}

} // namespace quillon
