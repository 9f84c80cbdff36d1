#include "questionnaire/MeaningTexts.h"

using namespace Qt::StringLiterals;

namespace quillon {

QStringList TraitTexts::texts() const
{
    QStringList result;
    result.reserve(variants.size());
    for (const VariantText &variant : variants)
        result.append(variant.text);
    return result;
}

const QList<TraitTexts> &interpretationTexts()
{
    // Built on first use and never changed afterwards; every page and the report read the same list.
    // Each text sits beside its variant's caption (stored notation), so a text cannot drift onto a neighbour.
    static const QList<TraitTexts> texts = {
        { u"Margins"_s, {
            { u"Wide Left Margin"_s,
              u"This signifies that you have a high level of self respect and set yourself very high standards. You tend to maintain your distance from people and may come from a cultured background. You are shy and people may mistake you for being a snob."_s },
            { u"Wide Right Margin"_s,
              u"Lines that stop well short of the right edge of the page betray a wariness of the future. You approach the unknown with care, think twice before you commit yourself and like a plan in hand for whatever comes next."_s },
            { u"Narrow to Wider Right Margin"_s,
              u"If your right margin grows wider down the page, you start boldly but grow cautious as a task nears its end."_s },
            { u"Narrow to Wider Left Margin"_s,
              u"A left margin that widens as you go down the page marks a slow start that gives way to enthusiasm. You begin a task or a friendship with caution, then speed up and throw yourself into it as your confidence grows."_s },
            { u"Even Margins All Around"_s,
              u"Four even margins framing your writing like a picture speak of balance and a good sense of proportion. You like things neat and properly arranged, you see at a glance how a page or a room should look, and you respect the space and opinions of others."_s },
            { u"Wide Upper Margin"_s,
              u"If you leave a wide space above your first line, you are formal and respectful with those you hold in high regard."_s },
            { u"Wide Lower Margin"_s,
              u"When you stop well above the foot of the page, you keep something in hand and rarely spend your last ounce of strength."_s },
            { u"No Margins"_s,
              u"When your writing fills the sheet from edge to edge, you are spontaneous, hate to miss a chance and live in the thick of things."_s },
        } },

        { u"Slant"_s, {
            { u"Vertical Slant"_s,
              u"With upright letters that lean neither forward nor back, your head rules your heart. You are composed and self-reliant, hard to ruffle, and you keep your feelings under firm control."_s },
            { u"Moderate Left Slant"_s,
              u"If your letters lean back slightly to the left, you hold your feelings in and are careful about letting them be seen. You are independent and prefer to think a situation over before you respond. Once you trust someone you are loyal and constant, but newcomers find you hard to know at first."_s },
            { u"Extreme Left Slant"_s,
              u"Letters thrown far back to the left mean you guard your feelings so closely that you seem cold."_s },
            { u"Moderate Right Slant"_s,
              u"A steady lean to the right signals affection and openness to other people. You respond readily to the feelings of those around you, enjoy company and look ahead rather than back. You are sympathetic and expressive, and reaching out to others comes easily to you."_s },
            { u"Extreme Right Slant"_s,
              u"When your letters lean so far forward that they almost lie flat, your feelings run high and can carry you away. You are impulsive and passionate, and you live in the moment."_s },
            { u"Irregular Slant"_s,
              u"Letters that lean now left, now right, mark moods that change quickly and leave others unsure of you, though no one finds you dull company."_s },
        } },

        { u"SizeOfTheWriting"_s, {
            { u"Tall"_s,
              u"With tall letters and high loops, you aim for the top: you like to be noticed and to stand at the centre of things. You are ambitious and readily take on large tasks that others shy away from."_s },
            { u"Small"_s,
              u"Small, neat writing points to a modest, thoughtful mind that concentrates well. You work carefully and patiently and are at your best on exacting, close work. You think before you speak, you are seldom carried away, and you are more capable than you let on."_s },
            { u"Narrow"_s,
              u"Narrow letters squeezed close together mark you as careful and economical, wasting no time, money or words. You are slow to open up and rather inhibited, but disciplined and prudent in everything you undertake."_s },
            { u"Broad"_s,
              u"Broad letters that spread across the line reveal an expansive, generous nature that needs room. You are sociable and at home in a crowd, you like to do things on a large scale, and you are sometimes too free with money. Cramped rooms and small plans make you restless."_s },
            { u"Irregular"_s,
              u"When letters grow and shrink within one line, your mind is quick and restless, and your self-confidence rises and falls with your moods."_s },
        } },

        { u"LineSpacing"_s, {
            { u"Even Line Spacing"_s,
              u"Lines set at even distances, one below the other, speak of a clear sense of direction and an orderly mind. You value your time and plan your days sensibly."_s },
            { u"Wide Line Spacing"_s,
              u"Ample gaps between your lines are an organiser's habit: you like a clear view of things and room to think, and you keep a cool head when others are rushed."_s },
            { u"Very Wide Spacing"_s,
              u"If your lines stand very far apart, you guard your independence fiercely: you need room to yourself and hate to be crowded."_s },
            { u"Narrow Line Spacing"_s,
              u"When your lines are packed closely one under another, you are spontaneous but find it hard to budget your time."_s },
            { u"Overlapping"_s,
              u"When the loops of one line tangle with the next, your many interests run together and crowd your days."_s },
        } },

        { u"WordSpacing"_s, {
            { u"Even Spaces"_s,
              u"With even gaps between your words, you are at ease with the people around you. You are sociable without being overbearing, and you sense how close to come and when to leave others be."_s },
            { u"Uneven Spaces"_s,
              u"Where the gaps between words are wide in one place and narrow in the next, you swing between seeking company and wanting solitude, as your mood dictates; friends never know which side of you they will meet."_s },
            { u"Small Spaces"_s,
              u"When your words press up against each other, company matters a great deal to you and long hours alone weigh on you."_s },
            { u"Large Spaces"_s,
              u"Wide gaps between words mark a clear thinker: you like to look at each idea on its own and weigh it calmly before you move on. You choose your company with care and dislike being rushed."_s },
            { u"Very Large Spaces"_s,
              u"Very large spaces that leave each word standing alone speak of a need to keep people at arm's length. You often feel lonely, yet let few people in."_s },
        } },

        { u"LetterSpacing"_s, {
            { u"Close Spaced"_s,
              u"If your letters crowd tightly together inside each word, you act on intuition and prefer to manage alone, without asking anyone's advice."_s },
            { u"Wide Spaced"_s,
              u"When letters stand well apart from one another, you welcome help, share tasks gladly and work well in a team."_s },
            { u"Normal"_s,
              u"Letters set at an ordinary distance from each other indicate a middle course: you trust your own judgement, yet you accept help from others when it is needed."_s },
        } },

        { u"BeginningStroke"_s, {
            { u"Long && Curved"_s,
              u"A long, curved lead-in stroke at the start of a word shows that you take your time with anything new and like to prepare well before you begin."_s },
            { u"Unbending "_s,
              u"Behind a stiff, straight lead-in stroke lie fixed ideas: you meet new situations with your mind made up and do things your own way, whatever anyone suggests."_s },
            { u"Long && Below Baseline Stroke"_s,
              u"A long lead-in rising from below the line signals that you build on solid, practical experience and trust what you have tested yourself."_s },
            { u"Curved Right to Left"_s,
              u"When your first stroke curls backwards, against the flow of writing, you look after your own interests first."_s },
            { u"Absent"_s,
              u"If your letters begin at once, with no lead-in stroke, you adjust swiftly and get to work without preamble. You drop old habits easily and have little patience with ceremony."_s },
        } },

        { u"EndingStroke"_s, {
            { u"Long, Blunt && Upward-tending"_s,
              u"If your last stroke rises long to a blunt end, you are outspoken and forthright."_s },
            { u"Upward-tending && Tapered"_s,
              u"A rising last stroke that thins to a point reveals your tact and your reflective side."_s },
            { u"High Reaching"_s,
              u"When your end stroke climbs high above the letters, your interests turn to faith, art and ideas."_s },
            { u"Below Baseline"_s,
              u"With a final stroke that dives below the line, you dig in your heels under pressure, however hard others push."_s },
            { u"Curving from Right to Left"_s,
              u"An end stroke curling back over the word, from right to left, is a protective gesture: you shield yourself and those you love."_s },
            { u"Extended"_s,
              u"You are possessive and cautious by nature"_s },
            { u"Missing"_s,
              u"If your words stop dead at the last letter, with no end stroke, you are economical with time and energy and come straight to the point. In company you seem brisk, but you are honest and practical."_s },
        } },

        { u"Stems"_s, {
            { u"Retraced"_s,
              u"A t-stem retraced over itself shows you value your dignity."_s },
            { u"Looped"_s,
              u"You take criticism of your ideas and your work to heart, and brood over it long after: the loop in the stem of your t gives you away."_s },
            { u"Inflexible Beginning Stroke"_s,
              u"With a rigid lead-in, you never yield."_s },
        } },

        { u"StemHeight"_s, {
            { u"Normal Stem"_s,
              u"A t-stem of ordinary height says you are neither vain nor falsely humble."_s },
            { u"Long Stem"_s,
              u"A tall t-stem towering over the other letters marks you as an idealist with high hopes and principles."_s },
            { u"Short Stem"_s,
              u"With a short t-stem, barely above the small letters, you prefer the real to the ideal."_s },
            { u"Spread-out Stem"_s,
              u"If your t-stem spreads like a tent, you defend your ideals."_s },
        } },

        { u"BarPressure"_s, {
            { u"Normal Pressure"_s,
              u"With a t-bar as dark as the other strokes, your willpower is steady: you see most things through to the end."_s },
            { u"Light Pressure"_s,
              u"A thin, pale t-bar speaks of gentleness: you would rather persuade people than press them."_s },
            { u"Heavy Pressure"_s,
              u"Behind a thick t-bar dug hard into the paper lies a forceful will: you push for what you want and brush obstacles aside."_s },
            { u"Starts with Heavy Pressure but tapers out"_s,
              u"Your t-bar starts heavy and fades, like your zeal."_s },
        } },

        { u"BarHeight"_s, {
            { u"Bar Above Stem"_s,
              u"A t-bar set clear above the stem is a dreamer's sign: your plans outrun your strength."_s },
            { u"High Bar"_s,
              u"When you cross your t high on the stem, you set high goals and have the nerve to pursue them."_s },
            { u"Balanced Bar"_s,
              u"A bar crossed halfway up the stem indicates realistic aims, which you achieve through patient effort."_s },
            { u"Low Bar"_s,
              u"A bar crossed low on the stem means you aim below your ability and settle for less than you could reach."_s },
            { u"None"_s,
              u"With no bar at any height on your t, you set no fixed goals and keep your options open."_s },
        } },

        { u"LengthOfCrossing"_s, {
            { u"Long "_s,
              u"You are enthusiastic by nature."_s },
            { u"Short"_s,
              u"A short t-bar means you spend your energy sparingly."_s },
            { u"Ascending"_s,
              u"With a t-bar climbing upwards, you are optimistic and rise to a challenge."_s },
            { u"Descending"_s,
              u"A t-bar sloping downwards marks you as firm, even domineering, and quick to lay down the law."_s },
            { u"More to Left"_s,
              u"A bar lying mostly left of the stem reveals a habit of delay: you put things off and weigh them long before acting."_s },
            { u"More to Right"_s,
              u"A bar that runs mostly to the right of the stem betrays impatience: you want to act at once and cannot bear to wait."_s },
            { u"Absent"_s,
              u"A t left uncrossed shows a free spirit: you chafe at rules and routine."_s },
        } },

        { u"IDotAnalysis"_s, {
            { u"Round and Directly Above the Stem"_s,
              u"A round dot placed exactly over the stem signals precision and attention to detail. You have a good memory and finish what you start."_s },
            { u"Round and Just Above the Stem"_s,
              u"A dot resting low, close to the tip of the stem, belongs to a methodical worker: you keep to the job in hand."_s },
            { u"Round and High Above the Stem"_s,
              u"With a dot floating high above the stem, your imagination soars."_s },
            { u"Very Light"_s,
              u"A faint dot, barely visible, betrays timidity and a lack of self-confidence; you prefer to work unnoticed."_s },
            { u"Left-placed Dot"_s,
              u"A dot lagging behind, on the left side of the stem, marks caution: you like to check every step twice before you take it."_s },
            { u"Right-placed Dot"_s,
              u"When your dot runs ahead of the stem, to the right, you think fast and move on."_s },
            { u"Circular Dot"_s,
              u"An i-dot drawn as a little circle reveals an artistic streak and a wish to stand out. You like a style of your own and have a taste for the unusual."_s },
            { u"Smudged Dot"_s,
              u"A smudged dot reveals your sensual side."_s },
            { u"Absent Dot"_s,
              u"An undotted i points to your absent-mindedness."_s },
        } },

        { u"TheLowerCaseE"_s, {
            { u"Narrow Loop"_s,
              u"A narrow, squeezed loop in your e points to scepticism: you question what you are told."_s },
            { u"Broad Loop"_s,
              u"An e with a wide, round loop signifies a receptive mind: you listen to other views and take an interest in everything."_s },
            { u"No Loop"_s,
              u"An e made as a single stroke says that you are direct and unfussy in judgement."_s },
            { u"Greek \"E\""_s,
              u"An e in the Greek form, like a reversed 3, marks you out as refined and well read, with a feel for style."_s },
        } },

        { u"TheLowerCaseM"_s, {
            { u"Uphill Humps"_s,
              u"When the humps climb higher across your m, you like to lead a conversation and have the last word."_s },
            { u"Down Humps"_s,
              u"Humps that fall away across your m mean you are shy of speaking up."_s },
            { u"Even Humps"_s,
              u"With humps of equal height in your m, you speak calmly and clearly."_s },
            { u"Rounded Humps"_s,
              u"If your m has soft, rounded humps, you are easy to talk to and slow to argue."_s },
            { u"Sharp Humps"_s,
              u"Sharp, pointed humps on your m show an analytical mind that grasps ideas in an instant."_s },
        } },

        { u"TheLowerCaseo"_s, {
            { u"Closed at the Top with No Loops"_s,
              u"An o closed cleanly at the top, with no loop inside, signals honesty: you speak plainly."_s },
            { u"Open at the Top"_s,
              u"If your o is left open at the top, you are frank and talkative: you share your thoughts freely, love a good talk and find secrets hard to keep."_s },
            { u"One Inner Loop"_s,
              u"A small extra loop inside your o means you hold back part of the truth."_s },
        } },

        { u"StemsofLowerCased"_s, {
            { u"Higher than Normal"_s,
              u"A d-stem rising well above the other tall letters shows pride in yourself and your work, and care about your conduct."_s },
            { u"Pointed"_s,
              u"A d-stem ending in a sharp point goes with a sharp tongue: your remarks sting."_s },
            { u"Looped"_s,
              u"A looped d-stem betrays vanity: a remark on your looks or dress stays with you for days."_s },
            { u"Split Stem"_s,
              u"A split d-stem reveals an inventive mind, full of fresh ideas of your own."_s },
        } },

        { u"TheLowerCasegandy"_s, {
            { u"Triangular Loop"_s,
              u"Triangular loops mean you rule the roost."_s },
            { u"Rounded Full Loop"_s,
              u"A lower loop as round as a full circle tells of your strong need for love and affection."_s },
            { u"Long && Closed Loop"_s,
              u"A long lower loop, firmly closed, points to good sense with money: you plan for security."_s },
            { u"Blunt Down Stroke"_s,
              u"A straight down stroke that stops bluntly, with no loop at all, goes with a matter-of-fact nature. You handle practical affairs briskly and without sentiment."_s },
            { u"Long Down Stroke"_s,
              u"A long straight stroke plunging far below the line is a sign of your strong drive and physical energy."_s },
            { u"Open Loop"_s,
              u"A lower loop left open shows that you are easy-going and trusting."_s },
            { u"Left Arc"_s,
              u"A leftward arc below the line betrays that you cling to the past."_s },
            { u"Small && Cramped Loop"_s,
              u"With a small, cramped loop, you are wary of intimacy."_s },
            { u"Broad && Full Loop"_s,
              u"A broad lower loop, wider than it is deep, means you love comfort, good food and a soft chair."_s },
        } },

        { u"TheCapitalLetterI"_s, {
            { u"Single Stroke"_s,
              u"A capital I made as one plain stroke, with no bars or loops, shows a clear and healthy sense of your own worth. You are confident and unaffected. You prefer simple, direct ways, dislike pretence and feel no need to impress."_s },
            { u"Longer Bottom Stroke"_s,
              u"You have been highly influenced by your father."_s },
            { u"Longer Top Stroke"_s,
              u"You have been highly influenced by your mother."_s },
            { u"Equal Top && Bottom Stroke"_s,
              u"Top and bottom strokes of equal length on your I show a balanced self-image, shaped by both parents alike."_s },
            { u"Tilted to the Left"_s,
              u"If your I leans backwards, you doubt yourself and fear being found wanting. You are hard on yourself and crave approval, and you value praise more than you admit."_s },
            { u"Tilted to the Right"_s,
              u"With a forward-leaning I, you face the future with confidence and zest."_s },
            { u"Vertical"_s,
              u"Your perfectly upright I says that you stand on your own feet and answer to yourself."_s },
            { u"Inflated Loop"_s,
              u"A capital I with a large, ballooning loop betrays an inflated view of yourself: you want your worth seen and praised."_s },
            { u"Deflated Loop"_s,
              u"You undervalue yourself: the loop of your I is thin and flat."_s },
        } },

        { u"Signature"_s, {
            { u"Clear Signature"_s,
              u"A clear, readable signature says that what people see is what you are: the same in private as in public."_s },
            { u"Illegible Signature"_s,
              u"When the writing is legible but the signature is illegible this indicates that you have good communication skills but prefer to keep yourself away from people. You may be impatient and eccentric by nature. When the writing and the signature are both illegible this signifies that you particularly do not care about people reading or not reading what you write. You may be very impatient by nature."_s },
            { u"Signature Size is Smaller than Script"_s,
              u"If your signature is smaller than the rest of your writing, you set little store by your public image and let your work speak for you."_s },
            { u"Signature Size is Larger than Script"_s,
              u"A signature larger than your text tells of a wish to make a strong impression; the image you present is bolder than the self within."_s },
            { u"Underlined Signature"_s,
              u"A line drawn under your name signals self-assurance: you want others to take you seriously and recognise your work."_s },
            { u"Encircled Signature"_s,
              u"A name closed in by a circle means you keep your private life and true self fenced off."_s },
            { u"Crossed-Out Signature"_s,
              u"If you strike through your own name, you are dissatisfied with yourself."_s },
        } },
    };
    return texts;
}

} // namespace quillon
