// frmRisingSignDisplay: the sun sign, the rising sign and the rising sign's whole profile.
#pragma once

#include "result_windows.h"

#include <QPlainTextEdit>

namespace orbis {

// A topic box: read, select and scroll, but nothing copied out and the clipboard left alone.
class TopicBox : public QPlainTextEdit {
    Q_OBJECT
public:
    TopicBox(const QString& name, QWidget* parent);

    // Shows `text`; a box not yet on screen takes it as it appears, at its final width, so the
    // text is laid out once rather than at a guessed width first.
    void setTopic(const QString& text);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void display(const QString& text);

    QString pending_;
    bool hasPending_ = false;
};

class RisingSignDisplay : public ResultWindow {
    Q_OBJECT
public:
    RisingSignDisplay(ReadingHost& host, BirthDetailsWindow& details);

    void fill() override;

private:
    QLabel* value(const QString& name) const;
    TopicBox* topic(const QString& name) const;

    QLabel* picSign = nullptr;
};

} // namespace orbis
