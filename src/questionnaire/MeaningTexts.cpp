#include "questionnaire/MeaningTexts.h"

using namespace Qt::StringLiterals;

namespace quillon {

const QList<TraitTexts> &interpretationTexts()
{
    // Built on first use and never changed afterwards; every page and the report read the same list.
    static const QList<TraitTexts> texts = {
        // Margins: wide left, wide right, narrow to wider right, narrow to wider left, even all around,
        // wide upper, wide lower, none.
        { u"Margins"_s, {
            u"This signifies that you have a high level of self respect and set yourself very high standards. You tend to maintain your distance from people and may come from a cultured background. You are shy and people may mistake you for being a snob."_s,
            u"You tend to be somewhat wary of what the future holds and you may hold back from pushing ahead too quickly. You are sensitive and reserved, and you would rather keep a little distance than rush into a new acquaintance."_s,
            u"You begin things boldly, but as you go on you grow more careful and a little hesitant about what lies ahead."_s,
            u"You start out thrifty and careful, but your generosity wins in the end. As you warm to a task or a person you become more open-handed and eager, and you find it hard to hold back your enthusiasm."_s,
            u"This signifies that you are an orderly and well-balanced person with a good sense of proportion. You like things to be neat and properly arranged, and you respect the space and opinions of others. You are considerate, tolerant and careful in how you present yourself."_s,
            u"Modesty and respect come naturally to you. You show a quiet deference towards the people you hold in high regard."_s,
            u"You tend to be reserved and idealistic, and you may keep your deeper feelings well hidden from other people."_s,
            u"Generous and sociable, you like to make the most of every opportunity that comes along. You want to be part of it all."_s,
        } },

        // Slant: vertical, moderate left, extreme left, moderate right, extreme right, irregular.
        { u"Slant"_s, {
            u"This signifies that you are guided by your head rather than your heart. You are composed, self-reliant and hard to ruffle, and you keep your feelings under steady control."_s,
            u"You tend to hold your feelings back and are careful about showing them to others. You are reserved and independent, and you prefer to think a situation over before you respond to it. Once you trust someone you are loyal, but people may find you hard to know at first, as you keep your inner world to yourself."_s,
            u"This shows that you are very private and guarded. You rarely let others see what you feel inside."_s,
            u"This signifies that you are warm, affectionate and open to other people. You respond readily to the feelings of those around you and you enjoy company. You are sympathetic and expressive, and you find it natural to reach out to others. Your heart often has a good say in the decisions you make."_s,
            u"Your feelings run high and can easily carry you away. You are impulsive and warm-hearted, and you throw yourself into whatever moves you, finding it hard to wait or hold back."_s,
            u"Your moods change easily and others may find you hard to predict. You are versatile and sensitive, and alert to your surroundings."_s,
        } },

        // Size of the writing: tall, small, narrow, broad, irregular.
        { u"SizeOfTheWriting"_s, {
            u"You are ambitious and aim high in life. You like to be noticed and you enjoy being at the centre of things. You have a good opinion of yourself and the confidence to take on large tasks that others may avoid."_s,
            u"This signifies that you are modest, thoughtful and good at concentrating on the task before you. You have an eye for detail and work carefully and patiently. You do not seek the limelight and are content to let others take the credit, yet you are more capable than you let on."_s,
            u"You are careful and economical by nature, and you do not waste time, money or words. You may be a little inhibited and slow to open up, but you are disciplined and prudent, and you keep a firm rein on your feelings."_s,
            u"You are open, generous and expansive, and you like plenty of room to move and to breathe. You are sociable and broad in your views, and you find it easy to be at home among people. You may at times be a little extravagant, but your warmth and goodwill are plain to see."_s,
            u"Lively and changeable, you have a quick and restless mind. Your self-confidence tends to rise and fall with your moods."_s,
        } },

        // Line spacing: even, wide, very wide, narrow, overlapping.
        { u"LineSpacing"_s, {
            u"You have a clear sense of direction and a well-ordered mind. You value your time and plan your days sensibly, and you like to finish what you begin."_s,
            u"You like to keep a clear view of things and to stand a little apart from them. You are a good organiser, but you may keep some distance from those around you."_s,
            u"You value your independence and your privacy very highly. You may feel somewhat isolated and find it hard to draw close to others."_s,
            u"Warm and spontaneous, you like to be close to people. You may at times find it hard to manage your time well."_s,
            u"You have so many interests and ideas that they tend to run into each other and crowd your busy days."_s,
        } },

        // Word spacing: even, uneven, small, large, very large.
        { u"WordSpacing"_s, {
            u"This signifies that you are at ease in your immediate world. You are sociable but not overbearing, and you know how much closeness to give and how much to keep. You relate well to the people around you."_s,
            u"You are sometimes drawn towards people and sometimes want to be left alone. Your need for company varies with your mood, and you may feel unsure of how close you want others to come to you."_s,
            u"Company means a great deal to you and you like to be close to others. You may find it hard to spend long hours alone."_s,
            u"You like to have breathing space around you, and you choose your company with care. You are a clear thinker who prefers to keep a little distance and to see things from a calm viewpoint."_s,
            u"You feel a strong need to keep others at arm's length. You may at times feel lonely, yet you find it hard to let people come too close to you."_s,
        } },

        // Letter spacing: close, wide, normal.
        { u"LetterSpacing"_s, {
            u"You rely a great deal on your own intuition and instinct. You trust your inner feelings and tend to act on them without asking for help."_s,
            u"This shows that you count on the cooperation of others and work well with people. You are open in all your dealings."_s,
            u"You strike a sensible balance between trusting your own judgement and relying on other people. You know when to ask for help and when to go alone."_s,
        } },

        // Beginning stroke: long and curved, unbending, long and below the baseline, curved right to left, absent.
        { u"BeginningStroke"_s, {
            u"You take your time when you meet a new situation, and you like to prepare well before you begin. You are careful, and you dislike being hurried."_s,
            u"You tend to approach new situations with fixed ideas and may resist change. You like to do things in your own way and you hold firmly to your views."_s,
            u"You look back to old habits and past experience when faced with something new. You may feel a little unsure at first, but you adapt."_s,
            u"By nature you are cautious of anything new, and you fall back on what is familiar and safe before you move on."_s,
            u"This signifies that you adjust quickly to new situations. You go straight to the heart of a matter without fuss or hesitation, and you value efficiency."_s,
        } },

        // Ending stroke: long, blunt and upward, upward and tapered, high reaching, below the baseline,
        // curving right to left, extended, missing.
        { u"EndingStroke"_s, {
            u"Determined and outspoken, you face the world around you with firm resolve."_s,
            u"You are spiritually minded and you reach out to others with kindness and tact."_s,
            u"You are idealistic and hopeful, and you look to higher things in your dealings with people."_s,
            u"At heart you are strong-willed and steady, and you do not easily give in to the wishes of others."_s,
            u"You tend to look inwards and to protect yourself. You may hold back from society until you feel safe and accepted."_s,
            u"You are possessive and cautious by nature"_s,
            u"This signifies that you are economical with your time and energy and you come straight to the point. You may seem brisk or reserved in company, but you are honest and practical in your dealings."_s,
        } },

        // Stem of the t: retraced, looped, inflexible beginning stroke.
        { u"Stems"_s, {
            u"Dignity and reserve come naturally; you keep your poise."_s,
            u"You are sensitive to what others think of you. You may be easily hurt by criticism, even when it is meant to be helpful."_s,
            u"You hold firmly to your principles."_s,
        } },

        // Height of the t stem: normal, long, short, spread out.
        { u"StemHeight"_s, {
            u"Your ideals are sensible and you set yourself goals that you can reach."_s,
            u"You are an idealist with high hopes and lofty principles. You set yourself goals well above the ordinary run."_s,
            u"You are practical and down to earth, and you prefer what is real to what is ideal."_s,
            u"Once you take a view you may be a little stubborn."_s,
        } },

        // Pressure of the t bar: normal, light, heavy, heavy tapering out.
        { u"BarPressure"_s, {
            u"You have steady will power and a healthy amount of determination. You can see most things through to the end."_s,
            u"Gentle and sensitive by nature, you prefer to persuade people rather than to press them."_s,
            u"You have strong will power and great determination. Once you set your mind on something you seldom give up."_s,
            u"You begin with great vigour but may soon tire."_s,
        } },

        // Height of the t bar: above the stem, high, balanced, low, none.
        { u"BarHeight"_s, {
            u"A dreamer with far-reaching goals, you let your ideas and plans soar very high."_s,
            u"You set yourself high goals and you have the confidence and ambition needed to pursue them."_s,
            u"You set yourself realistic goals and you are confident that you can reach them with steady effort and care."_s,
            u"You tend to aim lower than you could and you may underrate yourself. You have more ability than you think."_s,
            u"You may find it hard to settle on clear goals, and you like to go with the flow of life."_s,
        } },

        // Length of the t crossing: long, short, ascending, descending, more to the left, more to the right,
        // absent.
        { u"LengthOfCrossing"_s, {
            u"You are enthusiastic by nature."_s,
            u"Reserved and self-contained, you keep yourself in check."_s,
            u"Optimistic and ambitious, you look forward eagerly to what lies ahead."_s,
            u"You can be firm and determined, and at times you may be a little too quick to lay down the law."_s,
            u"You tend to put things off and you may hesitate before acting. You like to think things over carefully."_s,
            u"You are quick, impatient and eager to get on with things. You like to act at once rather than wait and think it over."_s,
            u"Easygoing and relaxed, you do not like to be tied down by strict rules."_s,
        } },

        // The i dot: round directly above, round just above, round high above, very light, left of the stem,
        // right of the stem, circular, smudged, absent.
        { u"IDotAnalysis"_s, {
            u"Precision and attention to detail are among your strengths. You have a good memory and think matters through before acting."_s,
            u"You are careful and observant, with a practical mind. You keep your imagination in check and keep your feet on the ground."_s,
            u"Your imagination is lively and you are drawn to high, lofty ideals."_s,
            u"This shows a gentle, sensitive nature that may lack a little confidence. You go quietly about your work."_s,
            u"You are careful and prudent, and you may put things off. You like to reflect on past experience before acting."_s,
            u"Quick-thinking and eager, you like to move swiftly on to whatever comes next."_s,
            u"Creative and artistic, you like to stand out from the crowd. You enjoy doing things in your own individual way, and you have a real taste for the unusual."_s,
            u"It shows that your feelings run deep."_s,
            u"You are absent-minded and may overlook small things."_s,
        } },

        // Lower case e: narrow loop, broad loop, no loop, Greek e.
        { u"TheLowerCaseE"_s, {
            u"In your opinions you are reserved and cautious, and you can be a little sceptical at times."_s,
            u"You are broadminded and tolerant, with wide interests. You listen to other points of view and enjoy the arts and culture."_s,
            u"You have a practical mind, and you see things in a clear and simple light."_s,
            u"You are cultured and refined, with a love of literature and the arts. You have good taste and a sense of style."_s,
        } },

        // Lower case m: uphill humps, down humps, even humps, rounded humps, sharp humps.
        { u"TheLowerCaseM"_s, {
            u"You are ambitious and you take your responsibilities seriously. You like to lead a discussion."_s,
            u"Modest by nature, you can feel shy about offering your views to others."_s,
            u"You are even-tempered and you express yourself clearly and calmly."_s,
            u"Gentle and friendly, you speak to other people with warmth and natural ease."_s,
            u"Your mind is sharp and analytical, and you take in new ideas quickly and keenly."_s,
        } },

        // Lower case o: closed without loops, open at the top, one inner loop.
        { u"TheLowerCaseo"_s, {
            u"Honest and straightforward, you know well when to speak and when to keep your own counsel."_s,
            u"You are open, talkative and frank, and you find it easy to share your thoughts with others. You love good conversation and may find secrets hard to keep."_s,
            u"Discreet and tactful, you are content to keep some matters to yourself."_s,
        } },

        // Stem of the d: higher than normal, pointed, looped, split.
        { u"StemsofLowerCased"_s, {
            u"You take pride in yourself and in your work, and you care about how you conduct yourself and what others think of you."_s,
            u"Independent and a little stubborn, you like to stand on your own two feet in life."_s,
            u"You are sensitive to criticism and you may take to heart what others say of you."_s,
            u"This shows that you have a creative and inventive mind and a gift for new ideas."_s,
        } },

        // Lower loops of g and y: triangular, rounded full, long and closed, blunt down stroke, long down stroke,
        // open, left arc, small and cramped, broad and full.
        { u"TheLowerCasegandy"_s, {
            u"You hold very high standards at home."_s,
            u"Warm and affectionate, you have a healthy appetite for the good things that life offers."_s,
            u"This shows that you are practical with money and have a sound sense of material security."_s,
            u"You are determined and down to earth, and you like to stand firmly on solid ground. You approach practical matters with resolve and little fuss."_s,
            u"You have plenty of energy and drive, and you take a keen interest in the material side of life."_s,
            u"This signifies that you are generous and open to new experiences."_s,
            u"You tend to look to the past and may hold on to old memories."_s,
            u"You are careful with money and guarded with your heart."_s,
            u"You are fond of comfort and good living, and you enjoy sharing your pleasures with others."_s,
        } },

        // Capital I: single stroke, longer bottom, longer top, equal top and bottom, tilted left, tilted right,
        // vertical, inflated loop, deflated loop.
        { u"TheCapitalLetterI"_s, {
            u"This signifies that you have a clear and healthy sense of your own worth. You are confident without being vain, and you know what you want from life. You prefer simple and direct ways and have no need to make a great show of yourself."_s,
            u"You have been highly influenced by your father."_s,
            u"You have been highly influenced by your mother."_s,
            u"You have a balanced self-image, and you value the influence of both of your parents in equal measure."_s,
            u"You tend to look back to the past and may be somewhat unsure of yourself. You may be rather hard on yourself at times, and you value approval from others."_s,
            u"Confident and outgoing, you look forward eagerly to what the future holds."_s,
            u"You are self-assured and independent, and you are comfortable with who you are."_s,
            u"You have a lively imagination and a generous view of yourself. You like to be appreciated and to have your worth noticed."_s,
            u"Being modest, you may at times think too little of yourself."_s,
        } },

        // Signature: clear, illegible, smaller than the script, larger than the script, underlined, encircled,
        // crossed out.
        { u"Signature"_s, {
            u"What people see is what you are. You are straightforward and sincere, the same in private as in public."_s,
            u"When the writing is legible but the signature is illegible this indicates that you have good communication skills but prefer to keep yourself away from people. You may be impatient and eccentric by nature. When the writing and the signature are both illegible this signifies that you particularly do not care about people reading or not reading what you write. You may be very impatient by nature."_s,
            u"You are modest about your public image and would rather let your work speak for you. You may be more confident than you appear to be."_s,
            u"You like to make a strong impression on others. The image you present to the world may be larger and bolder than the one you feel within."_s,
            u"You are self-reliant and confident, and you want others to take you seriously. You value recognition for your work."_s,
            u"This suggests that you guard your private life and keep a careful watch over your true self."_s,
            u"You can be very self-critical and may not always be content with yourself."_s,
        } },
    };
    return texts;
}

} // namespace quillon
