// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Topic texts of the rising sign reading, one paragraph per sign and topic.
#include "reading_texts.h"

namespace orbis::texts {

const std::array<TopicTexts, 12> kTopicTexts{{
    // Aries
    {
        .looks = "You tend to have a lean, athletic build, a brisk stride and a face that looks "
                 "ready for action. Your brows are strong, your gaze direct, and a small scar on "
                 "your head or face is common.",
        .nature = "Mars rules your rising sign, and this shows in everything you start. You meet "
                  "the world head first, like the Ram, and you would rather act and correct course "
                  "later than wait for certainty. Your courage is real: you speak up when others "
                  "stay quiet, take the first step into unknown territory and defend anyone you "
                  "see treated unfairly. Fire gives you warmth and enthusiasm that can light up a "
                  "whole room, and people often follow you without quite knowing why. Your temper "
                  "flares quickly but fades just as fast, and you seldom hold a grudge for more "
                  "than an afternoon. Patience is your great lesson. Long projects can bore you "
                  "once the thrill of the beginning has passed, so you do best when you learn to "
                  "hand the finishing work to steadier partners. You are honest to the point of "
                  "bluntness, competitive in games and in life, and happiest when you have a fresh "
                  "challenge ahead of you.",
        .careerAndFinance = "You thrive in work that rewards initiative: the army, surgery, sport, "
                            "engineering or running your own firm. Money comes fast and goes fast, "
                            "so set up savings before you spend.",
        .loveAndDomesticLife = "In love you pursue openly and boldly, and you want a partner with "
                               "spirit who can keep up with you. Quarrels at home soon blow over. "
                               "As a parent you are lively and protective, teaching your children "
                               "to be brave.",
        .health = "Mars rules the head, so you may suffer headaches, fevers, cuts and burns. Rest, "
                  "cool water and a calmer pace keep you fit.",
    },
    // Taurus
    {
        .looks = "You often have a solid, well-built frame, a short, strong neck and a pleasant, "
                 "rounded face. Your eyes are large and calm, your voice sweet, and you move with "
                 "the unhurried grace of the Bull.",
        .nature = "With Venus as your ruler and Earth beneath your feet, you are both sensual and "
                  "steady. You value comfort, beauty and security, and you build your life slowly, "
                  "the way a garden grows. People trust you because you keep your word and do not "
                  "bend with every breeze. You are patient to a remarkable degree, yet once pushed "
                  "too far your anger is slow to cool, like the Bull who has finally been "
                  "provoked. You love good food, fine fabrics, music and the feel of soil in your "
                  "hands. Stubbornness is the shadow side of your loyalty: you may cling to a "
                  "habit long after it has stopped serving you. When you learn to accept change "
                  "gently, your calm strength becomes a gift to everyone around you.",
        .careerAndFinance = "You do well in careers that produce something lasting or beautiful: "
                            "banking, farming, architecture, cooking, singing, or the trade in art "
                            "and property. You earn steadily rather than quickly, and you are a "
                            "careful saver who likes to see money turned into land, a home or "
                            "solid goods.",
        .loveAndDomesticLife = "You love with devotion and ask the same in return. A comfortable "
                               "home, a faithful spouse and well-fed children are your idea of "
                               "true wealth.",
        .health = "The throat and neck are your weak spots. Watch for sore throats and too rich a "
                  "diet.",
    },
    // Gemini
    {
        .looks = "You are usually tall and slender, with long arms, quick hands and bright, "
                 "darting eyes. You often look younger than your years.",
        .nature = "Mercury, the messenger, governs your rising sign, and your mind is never still. "
                  "You are the Twins in one body: one of you curious and talkative, the other "
                  "watching and weighing everything that is said. You learn fast, pick up "
                  "languages and gossip with equal ease, and can hold a conversation with almost "
                  "anyone. Air makes you light, witty and adaptable, but it also makes you "
                  "restless, and routine can feel like a cage. You may start three books at once "
                  "and finish none of them. Your charm lies in your youthful spirit and your gift "
                  "for seeing both sides of any question. Learning to follow one thread to its end "
                  "turns your cleverness into real wisdom.",
        .careerAndFinance = "You are suited to any work that runs on words and motion: writing, "
                            "teaching, journalism, sales, travel or trade. You can earn from "
                            "several sources at once, yet money slips through your fingers, so "
                            "keep careful written accounts.",
        .loveAndDomesticLife = "You need a partner who is also a friend and a good talker, since "
                               "boredom harms your love more than anything. Your home is lively, "
                               "full of books, letters and visitors, and you treat your children "
                               "as clever companions.",
        .health = "Your lungs, shoulders, arms and nerves are sensitive. Worry and lack of sleep "
                  "can leave you tired and tense.",
    },
    // Cancer
    {
        .looks = "You have a round, pale face, soft features and expressive eyes that mirror every "
                 "mood. Your figure tends to grow fuller above the waist.",
        .nature = "The Moon is your ruler, so your feelings rise and fall like the tides. You are "
                  "tender, intuitive and deeply loyal, and you sense what others need before they "
                  "say a word. The Crab is your emblem: you wear a hard shell to protect a soft "
                  "heart, and you may retreat sideways rather than face a conflict head on. Water "
                  "gives you a rich imagination and a long memory; you hoard old letters, old "
                  "friends and old hurts alike. Home, family and a laden table are the centre of "
                  "your world. When you feel secure you are generous and wonderfully caring, and "
                  "when you learn to let go of the past, your kindness becomes your strength.",
        .careerAndFinance = "You do well in work that nurtures or protects: nursing, catering, "
                            "teaching, hotels, property or a family business. You save with care "
                            "and like to keep a reserve put aside for lean times.",
        .loveAndDomesticLife = "You love with your whole heart and seek a partner who makes you "
                               "feel safe and wanted. Marriage and family mean everything to you. "
                               "You are a devoted parent, though you must take care not to hold "
                               "your children too tightly.",
        .health = "Your stomach and chest are your weak points, and worry goes straight to your "
                  "digestion. Eat simply, drink plenty of water and never brood over what you "
                  "cannot change.",
    },
    // Leo
    {
        .looks = "You carry yourself like royalty, with broad shoulders, an upright bearing and a "
                 "full mane of hair. Your smile is warm, open and generous.",
        .nature = "The Sun itself rules your rising sign, and you shine without trying. You are "
                  "proud, generous and big-hearted, and you want your life to be lived on a grand "
                  "scale. Like the Lion, you guard your pride and your family fiercely, and you "
                  "expect a measure of respect from those around you. Fire gives you courage, "
                  "creativity and a natural sense of theatre; you enjoy being seen, and you light "
                  "up any gathering the moment you walk in. You are loyal to friends and forgive "
                  "easily once your dignity is restored. Your faults come from the same source as "
                  "your virtues: you can be vain, bossy or hurt by the smallest slight. When you "
                  "use your warmth to lift others, instead of to win applause, you become the "
                  "leader people love.",
        .careerAndFinance = "You are made to lead, perform or create: management, politics, "
                            "acting, design, or any post where you hold authority. You earn well "
                            "and spend lavishly on gifts and fine things, so let a steady friend "
                            "help you budget.",
        .loveAndDomesticLife = "You love in a romantic, dramatic way, with grand gestures and "
                               "declarations. You need a partner who admires you and whom you can "
                               "be proud of in return. Once committed, you stay loyal and warm. "
                               "Your home is your palace, open to guests, and you are a merry, "
                               "playful parent who delights in your children's gifts and triumphs.",
        .health = "The Sun rules the heart and spine, so care for your heart and your back. Avoid "
                  "overwork, and take time to rest in the shade.",
    },
    // Virgo
    {
        .looks = "You tend to be neat and slim, with fine features, clear skin and an intelligent, "
                 "watchful face. Your clothes are always immaculate.",
        .nature = "Mercury rules you here as well as in Gemini, but through Earth it turns your "
                  "quick mind toward practical things. You notice the details that others miss: a "
                  "crooked picture, a missing comma, a small change in a friend's mood. You like "
                  "to be useful, and you are happiest when you can improve something, whether a "
                  "recipe, a plan or a person's health. The Virgin stands for your purity of "
                  "purpose and your high standards. You are modest, reliable and hardworking, and "
                  "you rarely boast about what you have achieved. Yet your standards can turn into "
                  "worry and criticism, aimed most harshly of all at yourself. You may find it "
                  "hard to relax while a single task is left undone. Learning that good enough is "
                  "sometimes good enough will set you free. With friends you are loyal and quietly "
                  "helpful, the one who remembers the medicine, the map and the spare umbrella.",
        .careerAndFinance = "You excel in precise, careful work: accounts, medicine, research, "
                            "editing or crafts. You are thrifty and plan your money well.",
        .loveAndDomesticLife = "You show love through little acts of service rather than grand "
                               "speeches. You want a clean, orderly home, and you are a careful "
                               "and attentive parent.",
        .health = "Your bowels and nerves are delicate. Eat wholesome food and do not worry so "
                  "much.",
    },
    // Libra
    {
        .looks = "You are often strikingly attractive, with well-balanced features, a dimpled "
                 "smile and a graceful figure. You dress with taste and carry an easy charm.",
        .nature = "Venus rules your rising sign, and Air lends it a sociable, thoughtful grace. "
                  "You seek harmony in everything, from the colours of a room to the mood of a "
                  "conversation, and discord of any kind upsets you. Like the Balance, you weigh "
                  "every side before you decide, which makes you fair and diplomatic but sometimes "
                  "slow to choose. You have a gift for putting people at ease, and you smooth over "
                  "quarrels with a well-chosen word. Beauty, art, music and gracious manners feed "
                  "your soul. You dislike being alone and thrive on partnership, both in work and "
                  "in life. Your challenge is to stop pleasing everyone and to stand by your own "
                  "opinion, even when it may cause a little friction. When you find your inner "
                  "balance, you become a true peacemaker whose judgement others seek.",
        .careerAndFinance = "You shine in law, diplomacy, design, fashion or the arts. You earn "
                            "through partnerships, but you like luxury, so balance what you spend "
                            "against your income.",
        .loveAndDomesticLife = "Marriage matters greatly to you, and you might marry young. You "
                               "need a refined, well-mannered partner. You keep a beautiful, "
                               "peaceful home and raise your children with gentle fairness.",
        .health = "Your kidneys and your lower back need care. Drink plenty of water and keep your "
                  "life in balance.",
    },
    // Scorpio
    {
        .looks = "You have a strong, compact build and deep, piercing eyes that seem to see "
                 "straight through most people.",
        .nature = "Mars is your ruler, and Water turns its fire inward, so your strength runs deep "
                  "and silent. You feel everything intensely but show little on the surface, and "
                  "people sense a hidden power in you even before you speak. Like the Scorpion, "
                  "you are loyal to those you love and dangerous to those who betray you; you "
                  "rarely forget a wound. You have a detective's mind, drawn to secrets, mysteries "
                  "and the truth beneath appearances, and you cannot be fooled for long. Your "
                  "willpower is immense: once you decide on a goal, nothing stops you. In a crisis "
                  "you stay cool and steady whilst others panic. You are private, proud and "
                  "magnetic, and you prefer a few deep bonds to many light ones. Your lesson is to "
                  "release jealousy and resentment, because when you forgive, your intensity "
                  "becomes a force for healing and renewal.",
        .careerAndFinance = "You excel in work that probes beneath the surface: research, surgery, "
                            "detective work, psychology, insurance or finance. You manage other "
                            "people's money shrewdly and keep your own affairs private. You can "
                            "rebuild your fortune from nothing after a heavy loss.",
        .loveAndDomesticLife = "You love with total passion and expect total loyalty in return. "
                               "Jealousy can be a problem, so you need to learn to trust. Once you "
                               "commit, you are fiercely devoted and will defend your family with "
                               "your life. You are a strict but loving parent who teaches your "
                               "children to be strong.",
        .health = "Your reproductive organs and bladder are delicate. Avoid excess of all kinds "
                  "and let your emotions out safely.",
    },
    // Sagittarius
    {
        .looks = "You are often tall and long-limbed, with an open, cheerful face, a high forehead "
                 "and a ready laugh. Your step is quick and light, as if you were heading "
                 "somewhere new.",
        .nature = "Your ruler Jupiter, the great benefic, fills you with optimism, generosity and "
                  "a hunger for meaning. The Archer's arrow is your emblem: you aim at distant "
                  "goals, whether faraway lands or big ideas. Fire makes you frank, enthusiastic "
                  "and honest, at times too honest for comfort. You love freedom and cannot bear "
                  "to be fenced in. Philosophy, faith, travel and sport attract you, and you tell "
                  "the best stories at any table. Your trust in life carries you through bad "
                  "times, but you must learn to finish what you start.",
        .careerAndFinance = "You are drawn to teaching, law, publishing, travel, sport or "
                            "religion, any field that broadens your horizons. Luck often helps you "
                            "with money, but you can be careless and overgenerous, so plan for the "
                            "future rather than trusting to fortune.",
        .loveAndDomesticLife = "You seek a partner who is also a companion on the road of life, "
                               "someone who shares your love of adventure and ideas. You need "
                               "freedom in marriage and dislike jealousy. Your home is cheerful "
                               "and open, and you are an encouraging parent who urges your "
                               "children to explore and to think for themselves.",
        .health = "Jupiter rules your hips, thighs and liver. Be careful with rich food and drink, "
                  "and take care of your legs during sport, as accidents happen when you hurry.",
    },
    // Capricorn
    {
        .looks = "You are often lean and wiry, with a grave face, a set jaw and a look that grows "
                 "softer and kinder with age.",
        .nature = "Saturn governs your rising sign, and Earth makes you practical, patient and "
                  "ambitious. You climb toward your goals slowly but surely, and you will wait "
                  "years for your reward. Like the Crocodile, you can lie still for a long time "
                  "and then move with sudden, decisive force when the moment is right. You take "
                  "responsibility seriously, often from an early age, and you may seem older than "
                  "your years when young and younger when old. You respect tradition, order and "
                  "honest work, and you distrust shortcuts. You can be reserved, even cool, and "
                  "you hide your feelings behind a dry sense of humour. Beneath that calm surface "
                  "you are loyal and deeply caring. Your lesson is to trust others and to enjoy "
                  "life's pleasures along the way.",
        .careerAndFinance = "You are suited to management, government, science, building, mining "
                            "or banking. You save carefully, invest for the long term and tend to "
                            "grow richer as the years pass.",
        .loveAndDomesticLife = "You are cautious in love and may marry late, or choose a partner "
                               "who is older or settled. You value stability over romance, but "
                               "once committed you are faithful for life. You take your duties as "
                               "a spouse and parent seriously, and you work hard to give your "
                               "family security, though you must remember to show your tenderness "
                               "too.",
        .health = "Your bones, knees, teeth and skin need care. Cold and damp trouble you, so keep "
                  "warm and dry.",
    },
    // Aquarius
    {
        .looks = "You have a tall, well-proportioned figure, a clear complexion and a friendly, "
                 "open face with a faraway look in your eyes. Your style is individual, even "
                 "eccentric, and people remember you for something a little different.",
        .nature = "Saturn rules your rising sign, but Air lifts its weight into a bright, "
                  "inventive mind. You are independent, original and humane, and you care about "
                  "people in general as much as about those you know. The Water Carrier pours out "
                  "ideas and knowledge for the good of all, and so do you. You are friendly yet "
                  "cool and detached, and you guard your freedom fiercely. You distrust convention "
                  "for its own sake and may enjoy shocking others a little. Your mind looks to the "
                  "future, and you are drawn to science, reform and new technology. Your lesson is "
                  "to balance your principles with warmth, and to let those close to you see your "
                  "heart.",
        .careerAndFinance = "You thrive in science, technology, invention, astrology, social work "
                            "or any group effort for a cause. Your earnings may be irregular, and "
                            "you give freely to friends, so keep a little money aside.",
        .loveAndDomesticLife = "You need a partner who is first of all a friend and honours your "
                               "freedom. Your door is open to all comers, and you treat your "
                               "children as equals, encouraging their independence.",
        .health = "Your ankles, calves and circulation are sensitive. Cold feet, cramps and "
                  "nervous strain can trouble you, so keep moving and breathe in plenty of fresh "
                  "air.",
    },
    // Pisces
    {
        .looks = "You often have a soft, gentle appearance, with large, dreamy eyes, pale skin and "
                 "small hands and feet. Your expression is tender and a touch otherworldly.",
        .nature = "Jupiter rules your rising sign, and Water makes you gentle, compassionate and "
                  "deeply intuitive. You feel the moods of others as if they were your own, and "
                  "you cannot bear to see anyone suffer. Like the Double Fish swimming in opposite "
                  "directions, you are pulled between the world of dreams and the world of "
                  "practical demands. Your imagination is boundless, and you may be gifted in "
                  "music, poetry, art or spiritual matters. You are modest and forgiving, and you "
                  "give generously of your time and heart. Yet you can drift, avoid hard choices "
                  "or let others take advantage of your kindness. When you learn to set firm "
                  "limits and trust your inner voice, you become a healer and a source of comfort "
                  "to all.",
        .careerAndFinance = "You are suited to the arts, music, film, medicine, nursing, charity "
                            "work or any trade connected with the sea. Money may come and go in "
                            "waves, and you are too easily generous, so let a practical friend "
                            "help you manage your accounts.",
        .loveAndDomesticLife = "You love romantically and selflessly, and you might idealise your "
                               "partner. Choose someone kind, patient and reliable who will never "
                               "take advantage of your soft heart. Your home is a gentle refuge, "
                               "and you are a tender, imaginative parent who fills your children's "
                               "lives with stories and music.",
        .health = "Your feet are your weak point, and you may be sensitive to medicines, alcohol "
                  "and damp. Rest, calm and plenty of sleep restore you.",
    },
}};

} // namespace orbis::texts
