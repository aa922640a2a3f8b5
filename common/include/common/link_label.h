// A label that acts as a link: the link pointer over it, and a click signal.
#pragma once

#include <QLabel>

namespace orbis {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr, bool linkPointer = true);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The link pointer of every clickable label and picture.
QCursor LinkPointer();

} // namespace orbis
