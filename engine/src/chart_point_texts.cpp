// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Midheaven and descendant descriptions, one paragraph per sign.
#include "reading_texts.h"

namespace orbis::texts {

const std::array<std::string_view, 12> kMidheavenDescriptions{
    // Aries
    "People with their Midheaven in Aries want their working life to feel like a campaign rather "
    "than a routine. Ruled by Mars and driven by the restless heat of Fire, they are at their "
    "best when something needs to be started, defended or won. They dislike waiting for "
    "permission and often rise fastest where initiative is rewarded openly. Their ambition is "
    "honest and visible: they want to lead, to be first, and to see the results of their effort "
    "quickly. The danger is impatience with slow institutions and a habit of leaving projects "
    "once the thrill of the opening charge has passed. Work that suits them includes surgery, the "
    "armed forces, emergency services, competitive sports, engineering, entrepreneurship and any "
    "role that puts them at the front of a new venture.",
    // Taurus
    "People with their Midheaven in Taurus build a career the way a careful gardener plants a "
    "hedge, slowly and to last. Venus rules this Earth sign, so they want their work to be useful "
    "and also pleasant to look at, touch or taste. They are steady, loyal to employers who treat "
    "them well, and far more ambitious than their calm manner suggests, although what they chase "
    "is security and a good name rather than fame. Their reputation grows from years of reliable "
    "results. Change forced on them can make them stubborn. Suitable fields include banking, "
    "property, farming, cooking, fine crafts, design, music and anything that turns raw material "
    "into lasting value.",
    // Gemini
    "Those with the Midheaven in Gemini need a career with plenty of variety and a steady stream "
    "of conversation. Mercury rules this Air sign, and these people are known in public for their "
    "quick minds, their wit and their talent for explaining things. They often keep two jobs or "
    "two interests running at once. Their ambition is to be informed, connected and heard. They "
    "learn fast, network easily and adapt to new tools before anyone else, though they must guard "
    "against scattering their energy. Work that best suits them includes journalism, teaching, "
    "writing, sales, translation, broadcasting, publishing and any trade built on the exchange of "
    "news and ideas.",
    // Cancer
    "People with their Midheaven in Cancer bring the instincts of the Moon into public life. They "
    "want work that protects, feeds or shelters others, and they often treat colleagues and "
    "clients like an extended family. This Water sign gives them a fine sense of mood, so they "
    "read a room well and know what the public needs before it is asked for. Their ambition is "
    "real but quiet; they climb through loyalty, memory and care rather than open competition, "
    "and they can be very tenacious when defending a team or a cause they love. Criticism at work "
    "can wound them more than they show, and they do best where they feel safe and valued. "
    "Careers that suit them include nursing, catering, hospitality, social work, childcare, "
    "property, history, museums and family firms.",
    // Leo
    "People with their Midheaven in Leo are meant to be seen. The Sun rules this Fire sign, and "
    "in the career area it gives a warm, generous presence and a strong wish to be admired for "
    "what they create. They prefer to lead, and they lead best when they can inspire rather than "
    "command, giving any workplace style and a sense of occasion. Their ambition is large and "
    "usually sincere: they want to leave a mark and to be proud of their name. Praise fuels them, "
    "while being ignored or overlooked can drain them quickly. Pride can make it hard for them to "
    "admit a mistake in public. Work that suits them includes the theatre, film, politics, "
    "management, teaching, fashion, luxury brands and any role where a confident personality is "
    "part of the product.",
    // Virgo
    "People with their Midheaven in Virgo earn their reputation through competence. Mercury rules "
    "this Earth sign, so they combine a sharp, analytical mind with practical skill, and they "
    "notice the small faults that others miss. They are modest about their ambition, yet they "
    "quietly want to be the person everyone trusts to get it right. They work hard, keep good "
    "records and take genuine pleasure in improving a process or solving a problem. Their "
    "weakness is perfectionism, which can make them anxious, overly critical or slow to claim "
    "credit for their own work. Suitable careers include medicine, nutrition, editing, "
    "accounting, research, quality control, craftsmanship and any service where care keeps people "
    "safe.",
    // Libra
    "Those with the Midheaven in Libra want a career that brings people together and makes things "
    "fair and beautiful. Venus rules this Air sign, so they have a keen eye for balance, a talent "
    "for diplomacy and an easy charm that opens doors. They are often known in public as the "
    "person who can settle a dispute or find the compromise everyone can accept. Their ambition "
    "works best in partnership, and they rarely like working alone for long. Indecision is their "
    "chief obstacle, along with a desire to please that can blur their own goals. Work that suits "
    "them includes law, mediation, diplomacy, human resources, design, fashion, the arts, beauty, "
    "hospitality and any role where taste and tact matter.",
    // Scorpio
    "People with their Midheaven in Scorpio pursue their goals with focus and great depth. Mars "
    "gives this Water sign its drive, and in the career area it produces a determined, private "
    "person who would rather hold real power quietly than chase a title. They are drawn to "
    "whatever is hidden, difficult or taboo, and they have a gift for crisis and transformation. "
    "Colleagues may find them intense, but they are also fiercely loyal and very hard to deceive. "
    "They must watch a tendency toward secrecy, control and power struggles. Suitable fields "
    "include psychology, research, detective work, surgery, finance, insurance, crisis work and "
    "any profession that deals with what lies below the surface.",
    // Sagittarius
    "People with their Midheaven in Sagittarius want a career with meaning, room to grow and a "
    "wide horizon. Jupiter rules this Fire sign, and it gives them optimism, a love of learning "
    "and a talent for inspiring others with a larger vision. They are restless in narrow roles "
    "and often change direction more than once before finding their calling, usually one that "
    "involves travel, teaching or the spreading of ideas. Their ambition is not so much for money "
    "as for freedom and a sense of purpose. They speak frankly, which wins trust but can "
    "sometimes cost them allies. Work that suits them includes higher education, law, publishing, "
    "philosophy, the travel trades, foreign trade, sports, outdoor work and religious or "
    "charitable leadership.",
    // Capricorn
    "People with their Midheaven in Capricorn are among the most ambitious in the zodiac, "
    "although their ambition is patient rather than loud. Saturn rules this Earth sign, and it "
    "gives them discipline, a sense of duty and a long view of success measured in decades rather "
    "than months. They respect structure, earn authority step by step and often reach the top of "
    "their field later in life, when others have lost their nerve. Reputation matters greatly to "
    "them, and they guard it closely. They can be too serious and may neglect their private life "
    "in pursuit of status. Suitable careers include management, government, administration, "
    "architecture, engineering, banking, law and any respected institution with a clear ladder to "
    "climb.",
    // Aquarius
    "People with their Midheaven in Aquarius want their work to change something for the better. "
    "Saturn is the traditional ruler of this Air sign, which gives their originality a "
    "surprisingly practical backbone. They are known for independent thinking, fresh ideas and a "
    "concern for groups and causes rather than personal glory. They dislike rigid hierarchies and "
    "may rebel against a boss who leads by rank alone. Their ambition is usually collective: they "
    "want to improve a system or serve a community. At times they can seem detached or contrary. "
    "Work that suits them includes science, technology, computing, engineering, social reform, "
    "research, charities and any forward-looking field where innovation is valued.",
    // Pisces
    "People with their Midheaven in Pisces often find that their career chooses them. Jupiter is "
    "the traditional ruler of this Water sign, lending them compassion, imagination and a "
    "generous faith in something larger than themselves. They are rarely driven by status; they "
    "want work that heals, inspires or expresses a vision. Because they absorb the moods around "
    "them, a harsh or purely commercial workplace can exhaust them. They may drift between jobs "
    "before settling, and clear boundaries help them avoid being exploited. Their public image is "
    "gentle and caring. Suitable careers include music, art, film, photography, nursing, "
    "counselling, spiritual work, charity, marine work and any calling that serves the "
    "vulnerable.",
};

const std::array<std::string_view, 12> kDescendantDescriptions{
    // Aries
    "With your Descendant in Aries, you are drawn to partners who are bold, direct and full of "
    "drive. You admire people who know what they want and go after it, and a little challenge or "
    "friendly rivalry keeps your interest alive. Mars rules this Fire sign, so the lovers who "
    "attract you often seem braver or more impulsive than you feel yourself, and through them you "
    "learn to assert your needs. A timid or passive partner rarely holds you for long. Keep the "
    "relationship healthy by allowing room for independence and by settling arguments quickly and "
    "honestly. Do not let small sparks grow into power games, and make sure the excitement you "
    "share is balanced by kindness.",
    // Taurus
    "With your Descendant in Taurus, you seek a partner who is steady, sensual and reliable. "
    "Venus rules this Earth sign, and you are drawn to people who enjoy good food, comfort and "
    "beauty, and who show love through loyalty and touch. Simple pleasures like a shared meal, a "
    "walk in a garden or a long embrace mean more to you than grand declarations. Their calm "
    "helps you slow down and trust. To keep things healthy, give the relationship time to ripen, "
    "keep your promises and respect your partner's need for routine and security. Avoid "
    "possessiveness on both sides, and try not to let comfort harden into stubborn habits.",
    // Gemini
    "With your Descendant in Gemini, you are attracted to partners who are witty, curious and "
    "easy to talk to. Mercury rules this Air sign, so conversation is the heart of your love life "
    "and a quick mind excites you more than good looks alone. Messages, notes and playful banter "
    "can feel as romantic to you as flowers. You may enjoy someone younger in spirit who keeps "
    "you amused. To keep the bond healthy, make time to talk every day, share new interests and "
    "allow each other plenty of social freedom. Boredom is the great danger, so keep learning "
    "together, and make sure light words are backed by real commitment.",
    // Cancer
    "With your Descendant in Cancer, you are drawn to partners who are caring, protective and "
    "emotionally warm. The Moon rules this Water sign, and you look for someone who makes a "
    "relationship feel like home, who remembers the small things and who wants a family or a "
    "close circle around them. Their tenderness can soften your defences and teach you to receive "
    "care. To keep the relationship healthy, honour their moods and their need for security, and "
    "do not mistake sensitivity for weakness. Speak openly about your feelings rather than "
    "expecting them to be guessed, and build shared traditions, from Sunday meals to family "
    "rituals, that give you both a sense of belonging.",
    // Leo
    "With your Descendant in Leo, you are drawn to partners who shine. The Sun rules this Fire "
    "sign, and you admire people who are confident, generous, playful and a little dramatic, and "
    "who bring warmth and colour into your life. You may find that a proud, expressive lover "
    "teaches you to enjoy attention and to celebrate yourself as well. Their loyalty, once given, "
    "is wholehearted and warm. To keep the relationship healthy, offer sincere praise and steady "
    "loyalty in return, and make room for romance, fun and grand gestures now and then. Avoid "
    "competing for the spotlight, and remember that even the strongest Leo partner needs "
    "reassurance. Share the stage, laugh often, and the love between you will stay bright.",
    // Virgo
    "With your Descendant in Virgo, you are drawn to partners who are sensible, modest and "
    "helpful. Mercury rules this Earth sign, and you value someone who shows love through "
    "practical care, who notices what needs doing and who keeps life running smoothly. Their good "
    "sense steadies you, and their quiet devotion can mean more than any grand gesture. To keep "
    "the relationship healthy, appreciate the small daily efforts they make and say so aloud. "
    "Avoid nagging or criticism on both sides, and give each other space to relax instead of "
    "always improving things. Shared routines, healthy habits and a peaceful home will help your "
    "love grow.",
    // Libra
    "With your Descendant in Libra, you are drawn to partners who are charming, graceful and "
    "fair-minded. Venus rules this Air sign, so you are attracted to refinement, elegant manners "
    "and a shared love of beauty, music or art. You may look to a partner to bring harmony and "
    "balance into your life, and marriage or a committed union often matters deeply to you. To "
    "keep the relationship healthy, treat it as a true partnership of equals and share decisions "
    "openly. Do not avoid conflict to keep the peace, since unspoken grievances slowly erode "
    "trust. Make time for dates, pleasant surroundings and shared cultural pleasures, and be "
    "honest about your own needs rather than simply agreeing to whatever keeps things smooth.",
    // Scorpio
    "With your Descendant in Scorpio, you are drawn to partners who are intense, magnetic and "
    "emotionally deep. Mars gives this Water sign its passion, and you want a lover who sees "
    "through your surface and invites total honesty. Casual affairs rarely satisfy you; you want "
    "a bond of body, mind and soul. Such a relationship can transform you, bringing buried "
    "feelings to light. To keep it healthy, build trust patiently and keep no secrets, because "
    "suspicion is poison to love. Avoid jealousy and control on both sides, and let the strength "
    "of your bond show in loyalty rather than tests. Deep conversations, shared privacy and "
    "forgiveness will keep the flame alive for years.",
    // Sagittarius
    "With your Descendant in Sagittarius, you are drawn to partners who are adventurous, "
    "optimistic and free-spirited. Jupiter rules this Fire sign, so you are attracted to people "
    "who broaden your horizons, whether through travel, study, humour or a different culture and "
    "faith. A partner who makes life feel like a journey will always hold your attention, and you "
    "may even meet a great love on the road, at college or abroad. To keep the relationship "
    "healthy, give each other plenty of freedom and plan new experiences together, from long "
    "voyages to courses or causes you both care about. Be honest, since this sign values truth, "
    "but temper your frankness with tact. Avoid making promises you cannot keep, and do not "
    "mistake your partner's need for space as a lack of love.",
    // Capricorn
    "With your Descendant in Capricorn, you are drawn to partners who are mature, responsible and "
    "ambitious. Saturn rules this Earth sign, and you may be attracted to someone older or more "
    "established, who offers stability, structure and a clear plan for the future. Love with such "
    "a partner often grows slowly and deepens with time, and a dry humour may hide a very loyal "
    "heart. To keep the relationship healthy, respect their work and goals, keep your commitments "
    "and show your devotion through reliability. Make sure duty does not crowd out tenderness; "
    "schedule time for affection and relaxation, and celebrate the milestones you reach together, "
    "because shared achievement is what binds you.",
    // Aquarius
    "With your Descendant in Aquarius, you are drawn to partners who are original, independent "
    "and friendly. Saturn is the traditional ruler of this Air sign, and you look for someone who "
    "is loyal to their principles and who treats you as a friend as well as a lover. Unusual "
    "people and unconventional arrangements may attract you, and a romance might begin in a club, "
    "a society or a circle of friends. To keep the relationship healthy, allow each other "
    "personal freedom, respect your differences and share the ideals that matter to you both. "
    "Avoid growing emotionally distant, and be willing to talk about feelings as well as ideas. "
    "Friendship is the foundation of your best unions, and surprises keep them fresh.",
    // Pisces
    "With your Descendant in Pisces, you are drawn to partners who are gentle, romantic and "
    "imaginative. Jupiter is the traditional ruler of this Water sign, and you long for someone "
    "who brings compassion, mystery and a touch of magic into your life, perhaps an artist, a "
    "dreamer or a healer. The bond can feel almost spiritual, as if you had known each other "
    "before. Such a partner senses what you feel before you speak. To keep the relationship "
    "healthy, keep your eyes open as well as your heart, and avoid idealising your partner or "
    "trying to rescue them. Clear boundaries and honest talk about practical matters, such as "
    "money and daily chores, will protect the romance. Share music, art or quiet moments near the "
    "water, and nurture each other's dreams with patience and forgiveness.",
};

} // namespace orbis::texts
