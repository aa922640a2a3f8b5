// frmRisingSignDisplay: the sun sign, the rising sign and the rising sign's whole profile.
#pragma once

#include "common/twips.h"
#include "windows/result_windows.h"
#include "windows/topic_box.h"

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
    QLabel* value(const QString& name) const;
    TopicBox* topic(const QString& name) const;

    QLabel* picSign = nullptr;
};

} // namespace orbis
