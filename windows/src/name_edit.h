// txtName: a line edit that lets in only capital letters and blanks, however the text arrives.
#pragma once

#include <QLineEdit>

namespace orbis {

class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NameEdit(QWidget* parent);

signals:
    // A typed character, or a clipboard key, that the filter turns away.
    void rejected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace orbis
