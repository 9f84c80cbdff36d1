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
          "line down the page"_s,
          u"A page outline with a block of writing framed by the same width of empty paper on all four sides"_s,
          u"A page outline whose writing begins only halfway down, below a deep band of empty paper"_s,
          u"A page outline whose writing stops halfway down, leaving the lower half of the page empty"_s,
          u"A page outline filled with writing from side to side and from top to bottom, with no empty border"_s}},
        {u"Slant"_s,
         {u"Three lines of unjoined handwriting, \"tall kite held the bell\", whose letters stand straight up"_s,
          u"Three lines of unjoined handwriting whose letters lean a little backwards, their tops to the left"_s,
          u"Three lines of unjoined handwriting whose letters lean far backwards, their tops well to the left"_s,
          u"Three lines of unjoined handwriting whose letters lean a little forwards, their tops to the right"_s,
          u"Three lines of unjoined handwriting whose letters lean far forwards, their tops well to the right"_s,
          u"Three lines of unjoined handwriting whose letters lean different ways within each word: one stands "
          "upright, the next leans forwards, another backwards"_s}},
        {u"SizeOfTheWriting"_s,
         {u"The joined words \"little bells\" on two lines, written tall: big letters of the usual shape, not "
          "squeezed, with long loops reaching high above them"_s,
          u"The joined words \"little bells\" written small, taking up only a little patch in the middle of the "
          "picture"_s,
          u"The joined words \"little bells\" written narrow, the letters of the usual height but closely formed, "
          "their loops and bowls slim and the strokes close together"_s,
          u"The joined words \"little bells\" written broad, the letters of the usual height but drawn wide open, "
          "with roomy bowls and long joins, in an even pen whose sideways strokes are as heavy as its down-strokes"_s,
          u"The joined words \"little bells\" in the same hand, but with letters that change size within each word, "
          "some small and some big, taller and wider together"_s}},
        {u"LineSpacing"_s,
         {u"Lines of joined handwriting with the same moderate gap, about one line's height, between every two "
          "lines"_s,
          u"Lines of joined handwriting with a gap of about two lines' height between each line and the next"_s,
          u"Only three lines of joined handwriting, set so far apart that most of the picture is empty paper"_s,
          u"Lines of joined handwriting packed close together, the tails of one line nearly touching the tall "
          "letters of the next"_s,
          u"Lines of joined handwriting so close together that the tails and loops of one line run into the "
          "letters of the next"_s}},
        {u"WordSpacing"_s,
         {u"Lines of joined handwriting with gaps of the same moderate width between all the words"_s,
          u"Lines of joined handwriting in which some words nearly run together while others stand far apart"_s,
          u"Lines of joined handwriting whose words almost run into one another, with hardly any space between "
          "them"_s,
          u"Lines of joined handwriting with wide gaps between the words, about the width of a short word"_s,
          u"Lines of joined handwriting with very wide gaps between the words, so that only two or three words "
          "fit on a line"_s}},
        {u"LetterSpacing"_s,
         {u"The handwritten words \"best\" and \"notes\", one above the other, their letters crowded so close "
          "that they almost touch"_s,
          u"The handwritten words \"best\" and \"notes\", one above the other, with a wide gap after every "
          "letter, so each letter stands on its own"_s,
          u"The handwritten words \"best\" and \"notes\", one above the other, with the usual small gap between "
          "the letters"_s}},
        {u"BeginningStroke"_s,
         {u"The handwritten word \"man\" with a long lead-in that dips in a curve along the line before rising "
          "into the m"_s,
          u"The handwritten word \"man\" with a straight, stiff lead-in rising from the line into the m"_s,
          u"The handwritten word \"man\" with a long lead-in that starts well below the line and sweeps up into "
          "the m"_s,
          u"The handwritten word \"man\" whose m begins above and to the right of its first stroke: the pen arches "
          "over to the left and comes straight down as that stroke"_s,
          u"The handwritten word \"man\" with no lead-in: the m starts straight down from its top"_s}},
        {u"EndingStroke"_s,
         {u"The handwritten word \"man\" whose last stroke rises a long way to the right and stops with a blunt, "
          "rounded end instead of thinning out"_s,
          u"The handwritten word \"man\" whose last stroke rises to the right and thins away to a fine point"_s,
          u"The handwritten word \"man\" whose last stroke shoots steeply up, high above the letters"_s,
          u"The handwritten word \"man\" whose last down-stroke carries on below the line and curves away to the "
          "left"_s,
          u"The handwritten word \"man\" whose last stroke climbs up and turns back over the whole word from "
          "right to left"_s,
          u"The handwritten word \"man\" whose last stroke runs on flat along the line, well past the word"_s,
          u"The handwritten word \"man\" that stops short at the foot of the n, with no final stroke"_s}},
        {u"Stems"_s,
         {u"Two lower case t's whose stems are traced up and back down along the same line, the lighter up-stroke "
          "showing beside the down-stroke and parting from it near the foot"_s,
          u"Two lower case t's whose up-stroke and down-stroke open into a loop in the stem"_s,
          u"Two lower case t's, each with a stiff straight stroke that starts below the line and runs up to meet "
          "the stem"_s}},
        {u"StemHeight"_s,
         {u"A row of capital T and small t, the stem of the small t reaching most of the way up to the height of "
          "the capitals"_s,
          u"A row of capital T and small t, the stem of the small t rising far above the capitals"_s,
          u"A row of capital T and small t, the small t hardly taller than its bar and much lower than the "
          "capitals"_s,
          u"A row of capital T and small t, the stem of the small t made of two strokes that "
          "share its top and spread apart below the bar towards the line, like an upturned V"_s}},
        {u"BarPressure"_s,
         {u"Two lower case t's whose bars are of the same ordinary weight as their stems"_s,
          u"Two lower case t's whose bars are thin, pale grey lines, much lighter than their stems"_s,
          u"Two lower case t's written with a hard-pressed pen, bars and stems thick, dark and heavy"_s,
          u"Two lower case t's whose bars start thick on the left and thin out gradually to a fine hairline on "
          "the right"_s}},
        {u"BarHeight"_s,
         {u"Two lower case t's whose bars float above the tops of their stems without touching them"_s,
          u"Two lower case t's whose bars cross right at the tops of their stems"_s,
          u"Two lower case t's whose bars cross their stems about halfway up"_s,
          u"Two lower case t's whose bars cross low on their stems, close to the line"_s,
          QString()}},
        {u"LengthOfCrossing"_s,
         {u"A lower case t whose bar runs far out on both sides of the stem, almost the width of the picture"_s,
          u"A lower case t whose bar is a short dash that barely crosses the stem"_s,
          u"A lower case t whose bar climbs from lower left to upper right as it crosses the stem"_s,
          u"A lower case t whose bar drops from upper left to lower right as it crosses the stem"_s,
          u"A lower case t whose bar runs far out to the left of the stem and stops just past it"_s,
          u"A lower case t whose bar starts just left of the stem and runs far out to the right"_s,
          QString()}},
        {u"IDotAnalysis"_s,
         {u"Two lower case i's, each with a round dot plumb over its stem at the usual height, a clear gap of "
          "about half the letter's height above it"_s,
          u"Two lower case i's, each with a round dot just above the top of its stem, a small clear gap between "
          "them"_s,
          u"Two lower case i's, each with a round dot far above its stem, near the top of the picture"_s,
          u"Two lower case i's, each with a tiny, faint grey dot"_s,
          u"Two lower case i's, each with its dot off to the left of the stem"_s,
          u"Two lower case i's, each with its dot off to the right of the stem"_s,
          u"Two lower case i's, each dotted with a small open circle instead of a dot"_s,
          u"Two lower case i's, each with a dark, lumpy ink blot for a dot, its wet ink smeared a short way out to the lower right"_s,
          u"Two lower case i's with no dots at all"_s}},
        {u"TheLowerCaseE"_s,
         {u"The word \"see\", its two e's with thin, slit-like loops"_s,
          u"The word \"see\", its two e's with wide, open, round loops"_s,
          u"The word \"see\", its two e's written without any loop: round e's of the usual size whose eye is "
          "filled in solid with ink, a blot above the open curve of the bottom"_s,
          u"The word \"see\", its two e's in the Greek form, each like a 3 written backwards"_s}},
        {u"TheLowerCaseM"_s,
         {u"A lower case m whose second hump stands much higher than its first"_s,
          u"A lower case m whose second hump is much lower than its first"_s,
          u"A lower case m with two upright, square-shouldered arches exactly alike in height and width"_s,
          u"A lower case m with two wide, low humps, each a full half-round arch"_s,
          u"A lower case m with pointed humps, written like a zigzag"_s}},
        {u"TheLowerCaseo"_s,
         {u"A lower case a and o, each oval closed neatly at the top, without any loop"_s,
          u"A lower case a and o, each oval left with a small gap at its top right"_s,
          u"A lower case a and o, each with a small loop inside the top of the oval"_s}},
        {u"StemsofLowerCased"_s,
         {u"The letters a and d, the stem of the d rising very high, more than three times the height of the a"_s,
          u"The letters a and d, the stem of the d drawn up and down to a sharp point"_s,
          u"The letters a and d, the stem of the d with a narrow loop in it"_s,
          u"The letters a and d, the stem of the d split in two, its up-stroke leaning away from its down-stroke"_s}},
        {u"TheLowerCasegandy"_s,
         {u"A lower case g and y whose lower parts end in a triangle with a flat bottom and a straight stroke back "
          "up"_s,
          u"A lower case g and y whose lower parts end in a full, rounded loop"_s,
          u"A lower case g and y whose lower parts are long and end in a narrow, closed loop"_s,
          u"A lower case g and y whose lower parts are short strokes that thicken, curve away to the left and stop "
          "bluntly"_s,
          u"A lower case g and y whose lower parts are long straight lines with no loop"_s,
          u"A lower case g and y whose lower parts curve round into a loop whose up-stroke stops short of the stem, "
          "leaving a gap"_s,
          u"A lower case g and y whose lower parts bend away to the left in a long, low arc without any stroke "
          "back up"_s,
          u"A lower case g and y whose lower parts end in a tiny, squeezed loop"_s,
          u"A lower case g and y whose lower parts swing out into a very wide, full loop"_s}},
        {u"TheCapitalLetterI"_s,
         {u"A capital I written as one straight upright line, followed by \"am\""_s,
          u"A capital I with strokes across its top and foot, the one at the foot much longer, followed by \"am\""_s,
          u"A capital I with strokes across its top and foot, the one at the top much longer, followed by \"am\""_s,
          u"A capital I with strokes of the same length across its top and foot, followed by \"am\""_s,
          u"A capital I with a loop at its top and a stroke across its foot, leaning backwards with its top to the left, followed by "
          "\"am\""_s,
          u"A capital I with a loop at its top and a stroke across its foot, leaning well forwards with its top to the right, "
          "standing on the line of \"am\""_s,
          u"A capital I with a stroke across its foot, its long stem standing plumb upright, with a small round loop at its top, followed by "
          "\"am\""_s,
          u"A capital I with a very large, full loop at its top and a stroke across its foot, leaning only slightly forwards, "
          "followed by \"am\""_s,
          u"A capital I with a stroke across its foot, whose loop has collapsed into a long, thin but still open loop against the stem, leaning only "
          "slightly forwards, followed by \"am\""_s}},
        {u"Signature"_s,
         {u"The signature \"J. Marlowe\", written plainly and easy to read"_s,
          u"A signature scrawled as a large initial and a run of uneven loops and peaks that cannot be read"_s,
          u"Four short lines of a note in large handwriting, with a much smaller signature \"J. Marlowe\" under "
          "them"_s,
          u"Two lines of a note in small handwriting, with a much larger signature \"J. Marlowe\" under them"_s,
          u"The signature \"J. Marlowe\" with a line drawn under it"_s,
          u"The signature \"J. Marlowe\" with an oval drawn round it"_s,
          u"The signature \"J. Marlowe\" with a line struck through it"_s}},
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
