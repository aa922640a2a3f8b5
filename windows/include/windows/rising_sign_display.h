// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// frmRisingSignDisplay: the sun sign, the rising sign and the rising sign's whole profile.
#pragma once

#include "common/twips.h"
#include "windows/result_windows.h"
#include "windows/topic_box.h"

#include "orbis/reading_state.h"
#include "orbis/sign_profile.h"

#include <QList>

namespace orbis {

class RisingSignDisplay : public ResultWindow {
    Q_OBJECT
public:
    RisingSignDisplay(ReadingHost& host, BirthDetailsWindow& details);

    void fill() override;

private:
    QLabel* addCaption(QWidget* content, const char* name, const char* text, const TwipsBox& box);
    void createAttributeBlock(QWidget* content);
    void createTopicBoxes(QWidget* content);
    void createButtonsAndOffers();

    // Each control beside where its text comes from, made from the same tables.
    struct ReadingValue {
        QLabel* label;
        std::string ReadingState::*text;
    };
    struct ProfileValue {
        QLabel* label;
        std::string_view SignProfile::*text;
    };
    struct ProfileTopic {
        TopicBox* box;
        std::string_view SignProfile::*text;
    };
    QList<ReadingValue> readingValues_;
    QList<ProfileValue> profileValues_;
    QList<ProfileTopic> topics_;
    QLabel* picSign = nullptr;
};

} // namespace orbis
