#include "questionnaire/MeaningTexts.h"
#include "questionnaire/TraitCatalogue.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace quillon;

namespace {

struct ExpectedTrait
{
    QString traitId;
    QList<int> targetLengths; // one per variant, in index order
};

// Pages in the order the questionnaire shows them, with the length each text is written to.
const QList<ExpectedTrait> &expectedTraits()
{
    static const QList<ExpectedTrait> traits = {
        { u"Margins"_s, { 240, 221, 108, 196, 260, 108, 105, 118 } },
        { u"Slant"_s, { 171, 304, 96, 293, 172, 131 } },
        { u"SizeOfTheWriting"_s, { 206, 276, 221, 264, 122 } },
        { u"LineSpacing"_s, { 145, 157, 128, 112, 103 } },
        { u"WordSpacing"_s, { 196, 185, 117, 186, 137 } },
        { u"LetterSpacing"_s, { 137, 117, 144 } },
        { u"BeginningStroke"_s, { 140, 144, 133, 107, 155 } },
        { u"EndingStroke"_s, { 72, 77, 89, 98, 113, 41, 186 } },
        { u"Stems"_s, { 55, 122, 34 } },
        { u"StemHeight"_s, { 70, 109, 84, 52 } },
        { u"BarPressure"_s, { 109, 89, 107, 45 } },
        { u"BarHeight"_s, { 77, 95, 105, 104, 83 } },
        { u"LengthOfCrossing"_s, { 31, 58, 71, 98, 103, 118, 68 } },
        { u"IDotAnalysis"_s, { 118, 118, 67, 109, 109, 78, 156, 37, 51 } },
        { u"TheLowerCaseE"_s, { 91, 116, 75, 111 } },
        { u"TheLowerCaseM"_s, { 91, 74, 66, 74, 84 } },
        { u"TheLowerCaseo"_s, { 90, 153, 71 } },
        { u"StemsofLowerCased"_s, { 117, 85, 82, 79 } },
        { u"TheLowerCasegandy"_s, { 36, 88, 93, 142, 94, 63, 61, 56, 87 } },
        { u"TheCapitalLetterI"_s, { 226, 47, 47, 102, 155, 75, 80, 121, 58 } },
        { u"Signature"_s, { 104, 397, 135, 135, 112, 88, 72 } },
    };
    return traits;
}

struct GivenText
{
    QString traitId;
    int variant;
    QString text;
};

// Texts whose wording is fixed to the letter.
const QList<GivenText> &givenTexts()
{
    static const QList<GivenText> given = {
        { u"Margins"_s, 0,
          u"This signifies that you have a high level of self respect and set yourself very high standards. "
          u"You tend to maintain your distance from people and may come from a cultured background. "
          u"You are shy and people may mistake you for being a snob."_s },
        { u"Signature"_s, 1,
          u"When the writing is legible but the signature is illegible this indicates that you have good "
          u"communication skills but prefer to keep yourself away from people. You may be impatient and "
          u"eccentric by nature. When the writing and the signature are both illegible this signifies that you "
          u"particularly do not care about people reading or not reading what you write. You may be very "
          u"impatient by nature."_s },
        { u"TheCapitalLetterI"_s, 1, u"You have been highly influenced by your father."_s },
        { u"TheCapitalLetterI"_s, 2, u"You have been highly influenced by your mother."_s },
        { u"LengthOfCrossing"_s, 0, u"You are enthusiastic by nature."_s },
        { u"EndingStroke"_s, 5, u"You are possessive and cautious by nature"_s },
    };
    return given;
}

const TraitTexts *textsOf(const QString &traitId)
{
    for (const TraitTexts &trait : interpretationTexts()) {
        if (trait.traitId == traitId)
            return &trait;
    }
    return nullptr;
}

bool isGiven(const QString &traitId, int variant)
{
    for (const GivenText &given : givenTexts()) {
        if (given.traitId == traitId && given.variant == variant)
            return true;
    }
    return false;
}

// Words of a text, lower-cased, punctuation dropped; "t-stem" and "arm's" stay one word each.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(u"[a-z0-9]+(?:['-][a-z0-9]+)*"_s);
    QStringList words;
    QRegularExpressionMatchIterator it = word.globalMatch(text.toLower());
    while (it.hasNext())
        words << it.next().captured();
    return words;
}

// A run made only of these ("that you are a") is grammar, not wording, and may recur.
bool isFunctionWord(const QString &word)
{
    static const QSet<QString> words = {
        u"a"_s, u"an"_s, u"the"_s, u"and"_s, u"or"_s, u"but"_s, u"of"_s, u"to"_s, u"in"_s, u"on"_s,
        u"at"_s, u"by"_s, u"for"_s, u"with"_s, u"from"_s, u"as"_s, u"is"_s, u"are"_s, u"be"_s,
        u"you"_s, u"your"_s, u"yourself"_s, u"that"_s, u"this"_s, u"it"_s, u"its"_s, u"not"_s,
        u"do"_s, u"have"_s, u"has"_s, u"can"_s, u"than"_s, u"so"_s, u"what"_s, u"who"_s,
        u"when"_s, u"how"_s, u"which"_s, u"more"_s, u"will"_s, u"would"_s,
    };
    return words.contains(word);
}

constexpr int phraseWords = 4;

// Every run of four consecutive words that holds at least one word of substance.
QSet<QString> phrasesOf(const QString &text)
{
    const QStringList words = wordsOf(text);
    QSet<QString> phrases;
    for (qsizetype i = 0; i + phraseWords <= words.size(); ++i) {
        const QStringList run = words.mid(i, phraseWords);
        if (!std::all_of(run.cbegin(), run.cend(), isFunctionWord))
            phrases.insert(run.join(u' '));
    }
    return phrases;
}

QStringList sharedPhrases(const QString &first, const QString &second)
{
    QStringList shared = phrasesOf(first).intersect(phrasesOf(second)).values();
    shared.sort();
    return shared;
}

// "Warm and spontaneous, you ...": an opening the fixed texts never use.
bool opensWithAdjectivePair(const QString &text)
{
    static const QRegularExpression pair(u"^[A-Z][a-z'-]*(?:, [a-z'-]+)* and [a-z'-]+, "_s);
    return pair.match(text).hasMatch();
}

// Counts sentence ends: a '.', '!' or '?' at the end of the text or followed by a space.
int sentenceCount(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == u'.' || c == u'!' || c == u'?') && (i + 1 == text.size() || text.at(i + 1) == u' '))
            ++count;
    }
    // A text may end without punctuation; its last sentence still counts.
    if (!text.isEmpty() && text.back() != u'.' && text.back() != u'!' && text.back() != u'?')
        ++count;
    return count;
}


// Verbs that join a sign to its reading ("Tall letters reveal ..."). One of them carrying a quarter of the
// texts made the report read like a form; each family may lead at most this many written texts.
constexpr int linkingVerbCap = 8;

const QList<QStringList> &linkingVerbs()
{
    static const QList<QStringList> families = {
        { u"reveal"_s, u"reveals"_s }, { u"mean"_s, u"means"_s }, { u"betray"_s, u"betrays"_s },
        { u"show"_s, u"shows"_s }, { u"signal"_s, u"signals"_s }, { u"mark"_s, u"marks"_s },
        { u"indicate"_s, u"indicates"_s }, { u"signify"_s, u"signifies"_s }, { u"say"_s, u"says"_s },
        { u"point to"_s, u"points to"_s }, { u"speak of"_s, u"speaks of"_s }, { u"tell of"_s, u"tells of"_s },
    };
    return families;
}

// Uses of one verb family in a text, word by word, so "showing" or "remark" do not count as "show" or "mark".
int linkingVerbUses(const QStringList &family, const QString &text)
{
    const QString joined = u" "_s + wordsOf(text).join(u' ') + u" "_s;
    int uses = 0;
    for (const QString &form : family)
        uses += int(joined.count(u" "_s + form + u" "_s));
    return uses;
}
} // namespace

class TestMeaningTexts : public QObject
{
    Q_OBJECT

private slots:
    void builtOnce();
    void traitsInPageOrder();
    void variantCounts();
    void textShape_data();
    void textShape();
    void givenTextsExact_data();
    void givenTextsExact();
    void shortestAndLongestAreTheFixedOnes();
    void noTwoTextsEqual();
    void captionsMatchCatalogue_data();
    void captionsMatchCatalogue();
    void phraseFinder_data();
    void phraseFinder();
    void noPhraseSharedAcrossTexts();
    void adjectivePairOpening_data();
    void adjectivePairOpening();
    void writtenTextsStatePlainly_data();
    void writtenTextsStatePlainly();
    void linkingVerbFinder_data();
    void linkingVerbFinder();
    void linkingVerbsVaried();
};

void TestMeaningTexts::builtOnce()
{
    const QList<TraitTexts> &first = interpretationTexts();
    const QList<TraitTexts> &second = interpretationTexts();
    QCOMPARE(&first, &second);
}

void TestMeaningTexts::traitsInPageOrder()
{
    QStringList expected;
    for (const ExpectedTrait &trait : expectedTraits())
        expected << trait.traitId;
    QCOMPARE(expected.size(), 21);

    QStringList actual;
    for (const TraitTexts &trait : interpretationTexts())
        actual << trait.traitId;
    QCOMPARE(actual, expected);
}

void TestMeaningTexts::variantCounts()
{
    const QList<TraitTexts> &traits = interpretationTexts();
    QCOMPARE(traits.size(), expectedTraits().size());

    qsizetype total = 0;
    for (qsizetype i = 0; i < traits.size(); ++i) {
        const ExpectedTrait &expected = expectedTraits().at(i);
        QVERIFY2(traits.at(i).variants.size() == expected.targetLengths.size(),
                 qPrintable(u"%1 has %2 texts, expected %3"_s.arg(expected.traitId)
                                .arg(traits.at(i).variants.size())
                                .arg(expected.targetLengths.size())));
        total += traits.at(i).variants.size();
    }
    QCOMPARE(total, qsizetype(117));
}

void TestMeaningTexts::textShape_data()
{
    QTest::addColumn<QString>("traitId");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("target");

    for (const ExpectedTrait &trait : expectedTraits()) {
        for (int v = 0; v < trait.targetLengths.size(); ++v) {
            QTest::addRow("%s/%d", qPrintable(trait.traitId), v) << trait.traitId << v << trait.targetLengths.at(v);
        }
    }
}

void TestMeaningTexts::textShape()
{
    QFETCH(QString, traitId);
    QFETCH(int, variant);
    QFETCH(int, target);

    const TraitTexts *trait = textsOf(traitId);
    QVERIFY2(trait, qPrintable(u"no texts for "_s + traitId));
    QVERIFY(variant < trait->variants.size());
    const QString text = trait->variants.at(variant).text;

    QVERIFY(!text.isEmpty());

    const int length = int(text.size());
    QVERIFY2(std::abs(length - target) * 100 <= target * 15,
             qPrintable(u"length %1, target %2: %3"_s.arg(length).arg(target).arg(text)));
    QVERIFY2(length >= 31 && length <= 397, qPrintable(u"length %1 out of range"_s.arg(length)));

    QVERIFY2(!text.contains(u'\n') && !text.contains(u'\r'), qPrintable(text));
    QCOMPARE(text.trimmed(), text);
    QVERIFY2(!text.contains(u"  "_s), qPrintable(text));

    // Plain printable ASCII only: no tabs, curly quotes or long dashes.
    for (const QChar c : text)
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f,
                 qPrintable(u"character U+%1 in: %2"_s.arg(int(c.unicode()), 4, 16, QChar(u'0')).arg(text)));

    QVERIFY2(text.front().isUpper(), qPrintable(text));
    const int sentences = sentenceCount(text);
    QVERIFY2(sentences >= 1 && sentences <= 7, qPrintable(u"%1 sentences: %2"_s.arg(sentences).arg(text)));
    // Addressed to the reader.
    QVERIFY2(text.contains(u"you"_s, Qt::CaseInsensitive), qPrintable(text));
}

void TestMeaningTexts::givenTextsExact_data()
{
    QTest::addColumn<QString>("traitId");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("expected");

    for (const GivenText &given : givenTexts())
        QTest::addRow("%s/%d", qPrintable(given.traitId), given.variant) << given.traitId << given.variant << given.text;
}

void TestMeaningTexts::givenTextsExact()
{
    QFETCH(QString, traitId);
    QFETCH(int, variant);
    QFETCH(QString, expected);

    const TraitTexts *trait = textsOf(traitId);
    QVERIFY2(trait, qPrintable(u"no texts for "_s + traitId));
    QVERIFY(variant < trait->variants.size());
    QCOMPARE(trait->variants.at(variant).text, expected);
}

void TestMeaningTexts::shortestAndLongestAreTheFixedOnes()
{
    qsizetype shortest = -1;
    qsizetype longest = -1;
    QString shortestText;
    QString longestText;
    for (const TraitTexts &trait : interpretationTexts()) {
        for (const QString &text : trait.texts()) {
            if (shortest < 0 || text.size() < shortest) {
                shortest = text.size();
                shortestText = text;
            }
            if (text.size() > longest) {
                longest = text.size();
                longestText = text;
            }
        }
    }
    QCOMPARE(shortest, qsizetype(31));
    QCOMPARE(longest, qsizetype(397));
    QCOMPARE(shortestText, textsOf(u"LengthOfCrossing"_s)->texts().value(0));
    QCOMPARE(longestText, textsOf(u"Signature"_s)->texts().value(1));
}

void TestMeaningTexts::noTwoTextsEqual()
{
    QHash<QString, QString> seen; // text -> where it was first found
    for (const TraitTexts &trait : interpretationTexts()) {
        for (qsizetype v = 0; v < trait.variants.size(); ++v) {
            const QString where = u"%1/%2"_s.arg(trait.traitId).arg(v);
            const QString &text = trait.variants.at(v).text;
            QVERIFY2(!seen.contains(text), qPrintable(where + u" repeats "_s + seen.value(text)));
            seen.insert(text, where);
        }
    }
    QCOMPARE(seen.size(), qsizetype(117));
}

void TestMeaningTexts::captionsMatchCatalogue_data()
{
    QTest::addColumn<int>("page");
    for (int page = 0; page < traitCatalogue().size(); ++page)
        QTest::addRow("%s", qPrintable(traitCatalogue().at(page).id)) << page;
}

// Each text names the variant it was written for; a text shifted onto a neighbour shows up here.
void TestMeaningTexts::captionsMatchCatalogue()
{
    QFETCH(int, page);
    const TraitPage &trait = traitCatalogue().at(page);
    QCOMPARE(interpretationTexts().size(), traitCatalogue().size());
    const TraitTexts &texts = interpretationTexts().at(page);
    QCOMPARE(texts.traitId, trait.id);
    QCOMPARE(texts.variants.size(), trait.variants.size());
    for (qsizetype v = 0; v < trait.variants.size(); ++v) {
        QVERIFY2(texts.variants.at(v).caption == trait.variants.at(v).caption,
                 qPrintable(u"%1/%2: text written for \"%3\", the page shows \"%4\""_s.arg(trait.id)
                                .arg(v)
                                .arg(texts.variants.at(v).caption, trait.variants.at(v).caption)));
    }
    QCOMPARE(texts.texts().size(), texts.variants.size());
    QCOMPARE(texts.texts().constLast(), texts.variants.constLast().text);
}

void TestMeaningTexts::phraseFinder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("shared");

    QTest::newRow("a repeat from an earlier draft")
        << u"You are sensitive and reserved, and you would rather keep a little distance than rush into a new acquaintance."_s
        << u"You are a clear thinker who prefers to keep a little distance and to see things from a calm viewpoint."_s
        << QStringList{u"keep a little distance"_s};
    QTest::newRow("case and punctuation do not hide a repeat")
        << u"You look forward eagerly to what lies ahead."_s
        << u"Confident and outgoing, you LOOK FORWARD, EAGERLY, to what the future holds."_s
        << QStringList{u"forward eagerly to what"_s, u"look forward eagerly to"_s, u"you look forward eagerly"_s};
    QTest::newRow("grammar alone is no repeat")
        << u"It is clear that you are a friend."_s
        << u"They know that you are a guest."_s
        << QStringList{};
    QTest::newRow("three words are not a phrase")
        << u"Keep your poise."_s
        << u"At work, always keep your poise."_s
        << QStringList{};
    QTest::newRow("hyphenated words stay whole")
        << u"A tall t-stem rising high."_s
        << u"A tall t stem rising high."_s
        << QStringList{};
}

void TestMeaningTexts::phraseFinder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, shared);
    QCOMPARE(sharedPhrases(first, second), shared);
    QCOMPARE(sharedPhrases(second, first), shared);
}

// Any set of variants can land in one report, so no wording may be used twice anywhere; only the
// fixed texts may echo each other (father and mother).
void TestMeaningTexts::noPhraseSharedAcrossTexts()
{
    QHash<QString, QStringList> usedBy; // phrase -> "trait/variant" of every text using it
    QHash<QString, bool> writtenUse;    // phrase -> used by at least one written text
    int phraseCount = 0;
    for (const TraitTexts &trait : interpretationTexts()) {
        for (int v = 0; v < trait.variants.size(); ++v) {
            const QString where = u"%1/%2"_s.arg(trait.traitId).arg(v);
            const QSet<QString> phrases = phrasesOf(trait.variants.at(v).text);
            phraseCount += int(phrases.size());
            for (const QString &phrase : phrases) {
                usedBy[phrase].append(where);
                if (!isGiven(trait.traitId, v))
                    writtenUse[phrase] = true;
            }
        }
    }
    QVERIFY(phraseCount > 1000); // the check sees the whole table, not an empty one

    QStringList repeats;
    for (auto it = usedBy.cbegin(); it != usedBy.cend(); ++it) {
        if (it.value().size() > 1 && writtenUse.value(it.key()))
            repeats << u"\"%1\" in %2"_s.arg(it.key(), it.value().join(u", "_s));
    }
    repeats.sort();
    QVERIFY2(repeats.isEmpty(), qPrintable(repeats.join(u'\n')));
}

void TestMeaningTexts::adjectivePairOpening_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("flagged");
    QTest::newRow("pair") << u"Warm and spontaneous, you like to be close to people."_s << true;
    QTest::newRow("hyphenated pair") << u"Quick-thinking and eager, you move on."_s << true;
    QTest::newRow("three adjectives") << u"Lively, quick and restless, you never settle."_s << true;
    QTest::newRow("statement") << u"You are warm and spontaneous, and you like people."_s << false;
    QTest::newRow("sign first") << u"Top and bottom strokes of equal length show balance in you."_s << false;
    QTest::newRow("clause first") << u"When your writing fills the sheet, you are generous."_s << false;
}

void TestMeaningTexts::adjectivePairOpening()
{
    QFETCH(QString, text);
    QFETCH(bool, flagged);
    QCOMPARE(opensWithAdjectivePair(text), flagged);
}

void TestMeaningTexts::writtenTextsStatePlainly_data()
{
    QTest::addColumn<QString>("text");
    int written = 0;
    for (const TraitTexts &trait : interpretationTexts()) {
        for (int v = 0; v < trait.variants.size(); ++v) {
            if (isGiven(trait.traitId, v))
                continue;
            QTest::addRow("%s/%d", qPrintable(trait.traitId), v) << trait.variants.at(v).text;
            ++written;
        }
    }
    QCOMPARE(written, 111);
}

// The written texts speak like the fixed ones: no "Warm and gentle, you..." openings, no hedging.
void TestMeaningTexts::writtenTextsStatePlainly()
{
    QFETCH(QString, text);
    QVERIFY2(!opensWithAdjectivePair(text), qPrintable(text));
    const QStringList words = wordsOf(text);
    const QString joined = words.join(u' ');
    for (const QString &hedge : {u"may"_s, u"might"_s, u"perhaps"_s, u"somewhat"_s})
        QVERIFY2(!words.contains(hedge), qPrintable(hedge + u": "_s + text));
    for (const QString &hedge : {u"tend to"_s, u"tends to"_s})
        QVERIFY2(!(u" "_s + joined + u" "_s).contains(u" "_s + hedge + u" "_s), qPrintable(hedge + u": "_s + text));
}

void TestMeaningTexts::linkingVerbFinder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("family"); // index into linkingVerbs()
    QTest::addColumn<int>("uses");
    QTest::newRow("both forms") << u"Tall letters reveal ambition; the loops reveal more. It reveals pride."_s << 0 << 3;
    QTest::newRow("case and punctuation") << u"MEANS, means: you mean well."_s << 1 << 3;
    QTest::newRow("longer words are not the verb") << u"A remark on your markings shows nothing."_s << 5 << 0;
    QTest::newRow("showing is not show") << u"You are showing off."_s << 3 << 0;
    QTest::newRow("two-word verb") << u"It points to care and speaks to no one; the dot points upward."_s << 9 << 1;
}

void TestMeaningTexts::linkingVerbFinder()
{
    QFETCH(QString, text);
    QFETCH(int, family);
    QFETCH(int, uses);
    QCOMPARE(linkingVerbUses(linkingVerbs().at(family), text), uses);
}

void TestMeaningTexts::linkingVerbsVaried()
{
    for (const QStringList &family : linkingVerbs()) {
        QStringList users;
        int uses = 0;
        for (const TraitTexts &trait : interpretationTexts()) {
            for (int v = 0; v < trait.variants.size(); ++v) {
                if (isGiven(trait.traitId, v))
                    continue;
                const int n = linkingVerbUses(family, trait.variants.at(v).text);
                if (n > 0)
                    users << u"%1/%2"_s.arg(trait.traitId).arg(v);
                uses += n;
            }
        }
        QVERIFY2(uses <= linkingVerbCap,
                 qPrintable(u"\"%1\" used %2 times, in %3"_s.arg(family.constFirst()).arg(uses).arg(users.join(u", "_s))));
    }
}

QTEST_GUILESS_MAIN(TestMeaningTexts)
#include "tst_meaningtexts.moc"
