// txtName: a line edit that lets in only capital letters and blanks, however the text arrives.
#pragma once

#include <QLineEdit>
#include <functional>

namespace orbis {

class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    // `rejected` is told of every typed character the filter turns away.
    NameEdit(QWidget* parent, std::function<void()> rejected);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::function<void()> rejected_;
};

} // namespace orbis
