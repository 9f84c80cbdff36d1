#include "questionnaire/MeaningTexts.h"

#include <QHash>
#include <QSet>
#include <QTest>

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

const TraitTexts *findTrait(const QString &traitId)
{
    for (const TraitTexts &trait : interpretationTexts()) {
        if (trait.traitId == traitId)
            return &trait;
    }
    return nullptr;
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
        QVERIFY2(traits.at(i).texts.size() == expected.targetLengths.size(),
                 qPrintable(u"%1 has %2 texts, expected %3"_s.arg(expected.traitId)
                                .arg(traits.at(i).texts.size())
                                .arg(expected.targetLengths.size())));
        total += traits.at(i).texts.size();
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

    const TraitTexts *trait = findTrait(traitId);
    QVERIFY2(trait, qPrintable(u"no texts for "_s + traitId));
    QVERIFY(variant < trait->texts.size());
    const QString text = trait->texts.at(variant);

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

    const TraitTexts *trait = findTrait(traitId);
    QVERIFY2(trait, qPrintable(u"no texts for "_s + traitId));
    QVERIFY(variant < trait->texts.size());
    QCOMPARE(trait->texts.at(variant), expected);
}

void TestMeaningTexts::shortestAndLongestAreTheFixedOnes()
{
    qsizetype shortest = -1;
    qsizetype longest = -1;
    QString shortestText;
    QString longestText;
    for (const TraitTexts &trait : interpretationTexts()) {
        for (const QString &text : trait.texts) {
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
    QCOMPARE(shortestText, findTrait(u"LengthOfCrossing"_s)->texts.value(0));
    QCOMPARE(longestText, findTrait(u"Signature"_s)->texts.value(1));
}

void TestMeaningTexts::noTwoTextsEqual()
{
    QHash<QString, QString> seen; // text -> where it was first found
    for (const TraitTexts &trait : interpretationTexts()) {
        for (qsizetype v = 0; v < trait.texts.size(); ++v) {
            const QString where = u"%1/%2"_s.arg(trait.traitId).arg(v);
            const QString &text = trait.texts.at(v);
            QVERIFY2(!seen.contains(text), qPrintable(where + u" repeats "_s + seen.value(text)));
            seen.insert(text, where);
        }
    }
    QCOMPARE(seen.size(), qsizetype(117));
}

QTEST_GUILESS_MAIN(TestMeaningTexts)
#include "tst_meaningtexts.moc"
